#include "config/config_values.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>

#include "numbers/number_format.h"
#include "platform/paths.h"

namespace kalo {
namespace {

bool IsWholeBelowOne(long double value) {
  return value < 1 && std::fabs(value - std::round(value)) <= 1.0E-10L;
}

bool IsPrintable(char c) {
  auto code = static_cast<unsigned char>(c);
  return code >= 0x20 && code != 0x7F;
}

bool IsAllowedInTableName(char c) {
  constexpr std::string_view kRefused = "<>/\\\":;?*|=`";
  return IsPrintable(c) && kRefused.find(c) == std::string_view::npos;
}

template <class Keep>
std::string Kept(const std::string& line, Keep keep) {
  std::string kept;
  std::copy_if(line.begin(), line.end(), std::back_inserter(kept), keep);
  return kept;
}

std::string NameOrFallback(const std::string& kept, size_t length, const std::string& fallback) {
  std::string name = TrimBlanks(TrimBlanks(kept).substr(0, length));
  return name.empty() ? fallback : name;
}

}  // namespace

std::string EncodeInteger(int value) { return std::to_string(value); }

int DecodeInteger(const std::string& line) {
  long value = 0;
  if (!ParseInteger(line, value) || value < INT_MIN || value > INT_MAX) return 0;
  return static_cast<int>(value);
}

std::string EncodeReal(long double value, int decimals) {
  NumberFormat format{decimals, false};
  if (IsWholeBelowOne(value)) return FormatSignificant(value, format);
  return FormatFixed(value, 0, 7, format);
}

long double DecodeReal(const std::string& line) {
  std::string dotted = line;
  for (char& c : dotted)
    if (c == ',') c = '.';
  long double value = 0;
  bool held = ParseReal(dotted, value) && std::fabs(value) <= std::numeric_limits<double>::max();
  return held ? value : 0;
}

std::string EncodeBoolean(bool value) { return value ? "TRUE" : "FALSE"; }

bool DecodeBoolean(const std::string& line) { return UpperCase(line) == "TRUE"; }

bool DecodeBooleanUnlessFalse(const std::string& line) { return UpperCase(line) != "FALSE"; }

bool DecodeYesNo(const std::string& line) {
  std::string word = UpperCase(TrimBlanks(line));
  return word == "TRUE" || word == "1" || word == "J" || word == "JA" || word == "Y" || word == "YES";
}

char DecodeCharacter(const std::string& line) { return line.empty() || !IsPrintable(line[0]) ? 'N' : line[0]; }

std::string EncodeText(const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

std::string DecodeText(const std::string& line) { return Kept(line, IsPrintable); }

std::string DecodeName(const std::string& line, size_t length, const std::string& fallback) {
  return NameOrFallback(Kept(line, IsPrintable), length, fallback);
}

std::string DecodeTableName(const std::string& line, size_t length, const std::string& fallback) {
  return NameOrFallback(Kept(line, IsAllowedInTableName), length, fallback);
}

std::string EncodeRectangle(const WindowRectangle& r) {
  return EncodeInteger(r.left) + "|" + EncodeInteger(r.top) + "|" + EncodeInteger(r.width) + "|" +
         EncodeInteger(r.height) + "|";
}

WindowRectangle DecodeRectangle(const std::string& line) {
  int parts[4] = {0, 0, 0, 0};
  size_t start = 0;
  for (int& part : parts) {
    size_t bar = line.find('|', start);
    part = DecodeInteger(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return {parts[0], parts[1], parts[2], parts[3]};
}

}  // namespace kalo
