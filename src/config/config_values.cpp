#include "config/config_values.h"

#include <cctype>
#include <climits>
#include <cmath>

#include "report/number_format.h"

namespace kalo {
namespace {

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool IsWholeBelowOne(long double value) {
  return value < 1 && std::fabs(value - std::round(value)) <= 1.0E-10L;
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
  return ParseReal(dotted, value) ? value : 0;
}

std::string EncodeBoolean(bool value) { return value ? "TRUE" : "FALSE"; }

bool DecodeBoolean(const std::string& line) { return UpperCase(line) == "TRUE"; }

bool DecodeBooleanUnlessFalse(const std::string& line) { return UpperCase(line) != "FALSE"; }

char DecodeCharacter(const std::string& line) { return line.empty() || line[0] == '\0' ? 'N' : line[0]; }

std::string EncodeText(const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
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
