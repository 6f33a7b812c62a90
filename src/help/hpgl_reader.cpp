#include "help/hpgl_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace kalo {
namespace {

// Longer parameter texts are no number the plotter knows; their start is enough to say so.
constexpr size_t kLongestParameter = 40;

bool IsSpacing(int c) { return c == ' ' || c == '\r' || c == '\n'; }

}  // namespace

long double HpglNumber(const std::string& text) {
  if (text.empty()) return 0;
  char* end = nullptr;
  long double value = std::strtold(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return 0;
  return std::clamp(value, -kLargestHpglValue, kLargestHpglValue);
}

std::optional<std::string> HpglReader::NextMnemonic() {
  int first = Get();
  while (IsSpacing(first) || first == ';') first = Get();
  int second = Get();
  if (first == kEndOfFile || second == kEndOfFile) return std::nullopt;
  return std::string{static_cast<char>(std::toupper(first)), static_cast<char>(std::toupper(second))};
}

std::vector<long double> HpglReader::ReadParameters(bool dropPenLetters) {
  std::vector<long double> values;
  std::string text;
  for (int c = Get();; c = Get()) {
    if (c == kEndOfFile || c == ';') {
      if (!text.empty()) values.push_back(HpglNumber(text));
      return values;
    }
    if (c == ',') {
      values.push_back(HpglNumber(text));
      text.clear();
    } else if (!IsSpacing(c) && !(dropPenLetters && (c == 'P' || c == 'A')) && text.size() < kLongestParameter) {
      text += static_cast<char>(c);
    }
  }
}

void HpglReader::SkipCommand() {
  for (int c = Get(); c != kEndOfFile && c != ';'; c = Get()) {
  }
}

}  // namespace kalo

