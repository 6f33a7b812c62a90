#include "lang/accelerators.h"

#include <cctype>
#include <set>

namespace kalo {
namespace {

bool IsAsciiLetterOrDigit(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// Where the caption's single "&"s stand.
std::vector<size_t> MarkPositions(const std::string& caption) {
  std::vector<size_t> positions;
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') positions.push_back(i);
    ++i;  // "&&" is a plain "&"; a mark's letter is no mark
  }
  return positions;
}

// The character at a position (one UTF-8 sequence), ASCII in lower case.
std::string KeyAt(const std::string& caption, size_t position) {
  size_t end = position + 1;
  while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80) ++end;
  std::string key = caption.substr(position, end - position);
  if (key.size() == 1) key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
  return key;
}

// The caption with its single "&"s taken out and one put before the character at target
// (a position in the caption as given).
std::string MarkedAt(const std::string& caption, size_t target) {
  std::string marked;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      if (caption[i + 1] == '&') marked += caption[i++];
      else continue;
    } else if (caption[i] == '&') {
      continue;
    }
    if (i == target) marked += '&';
    marked += caption[i];
  }
  return marked;
}

// A caption whose letter another item took, marked at a letter that is free; the letter
// chosen joins the used ones.
std::string Reassigned(const std::string& caption, std::set<std::string>& used) {
  auto take = [&](const std::string& text, size_t position) {
    used.insert(KeyAt(text, position));
    return MarkedAt(text, position);
  };
  std::vector<size_t> marks = MarkPositions(caption);
  for (size_t k = 1; k < marks.size(); ++k)
    if (!used.contains(KeyAt(caption, marks[k] + 1))) return take(caption, marks[k] + 1);
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') ++i;  // the "&" of "&&" is no letter
    else if (IsAsciiLetterOrDigit(caption[i]) && !used.contains(KeyAt(caption, i))) return take(caption, i);
  }
  // No letter of its own is free: another one in the "(&X)" that such captions carry.
  const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789";
  size_t free = 0;
  while (free < letters.size() && used.contains(std::string(1, letters[free]))) ++free;
  if (free == letters.size()) return caption;  // a menu of more items than letters
  char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letters[free])));
  size_t open = caption.find("(&");
  bool bracketed = open != std::string::npos && open + 3 < caption.size() && caption[open + 3] == ')';
  std::string text = bracketed ? caption : MarkedAt(caption, std::string::npos) + " (" + letter + ")";
  size_t position = bracketed ? open + 2 : text.size() - 2;
  text[position] = letter;
  return take(text, position);
}

}  // namespace

std::string AcceleratorOf(const std::string& caption) {
  std::vector<size_t> marks = MarkPositions(caption);
  return marks.empty() ? std::string() : KeyAt(caption, marks.front() + 1);
}

std::vector<std::string> WithDistinctAccelerators(const std::vector<std::string>& captions) {
  std::set<std::string> used;
  std::vector<bool> keeps(captions.size(), false);
  for (size_t i = 0; i < captions.size(); ++i) {
    std::string key = AcceleratorOf(captions[i]);
    if (!key.empty()) keeps[i] = used.insert(key).second;
  }
  std::vector<std::string> distinct = captions;
  for (size_t i = 0; i < captions.size(); ++i)
    if (!keeps[i] && !AcceleratorOf(captions[i]).empty()) distinct[i] = Reassigned(captions[i], used);
  return distinct;
}

}  // namespace kalo
