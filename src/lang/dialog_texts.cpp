#include "lang/dialog_texts.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "lang/caption_vocabulary.h"
#include "lang/english_dialog_texts.h"
#include "messages/messages.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// The table with its German texts in code page 850, made once.
const std::vector<std::pair<std::string, std::string>>& EnglishTable() {
  static const std::vector<std::pair<std::string, std::string>> table = [] {
    std::vector<std::pair<std::string, std::string>> converted;
    for (const auto& [german, english] : EnglishDialogTexts()) converted.emplace_back(Oem(german), Oem(english));
    return converted;
  }();
  return table;
}

bool IsLeadingPart(const std::string& german) {
  unsigned char last = static_cast<unsigned char>(german.back());
  return last < 0x80 && !std::isalnum(last);
}

// What the code puts between or after the parts it fills in: " nicht gefunden ..." after a
// name, ": nichts übernommen." after a list.
bool IsInnerPart(const std::string& german) { return german.find_first_of(" :;,)") == 0; }

// The inner parts, longest first, so that a longer one is not broken by a shorter one in it.
const std::vector<std::pair<std::string, std::string>>& InnerParts() {
  static const std::vector<std::pair<std::string, std::string>> parts = [] {
    std::vector<std::pair<std::string, std::string>> inner;
    for (const auto& entry : EnglishTable())
      if (IsInnerPart(entry.first)) inner.push_back(entry);
    std::stable_sort(inner.begin(), inner.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    return inner;
  }();
  return parts;
}

}  // namespace

std::string DialogText(const std::string& cp850, int language) {
  if (language != kEnglish || cp850.empty()) return cp850;
  // A message about a fault is translated after its prefix.
  if (cp850.starts_with(kFaultPrefix)) return std::string(kFaultPrefix) + DialogText(cp850.substr(kFaultPrefix.size()), language);
  // The longest German text that fits wins: "Gültiger Wertebereich: -360 .." before its part.
  size_t best = 0;
  std::string shown = cp850;
  for (const auto& [text, english] : EnglishTable()) {
    bool whole = text == cp850;
    // A whole text also leads a message that names it: "Zoomfaktor: Gültiger Wertebereich ...".
    bool leading = cp850.starts_with(text) && (IsLeadingPart(text) || cp850.compare(text.size(), 2, ": ") == 0);
    if ((whole || leading) && text.size() > best) {
      best = text.size();
      shown = english + cp850.substr(text.size());
    }
  }
  for (const auto& [text, english] : InnerParts()) {
    for (size_t at = shown.find(text); at != std::string::npos; at = shown.find(text, at + english.size()))
      shown.replace(at, text.size(), english);
  }
  return shown;
}

}  // namespace kalo
