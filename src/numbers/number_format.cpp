#include "numbers/number_format.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kalo {
namespace {

std::string WithSeparator(std::string text, const NumberFormat& format) {
  if (format.decimalComma)
    for (char& c : text)
      if (c == '.') c = ',';
  return text;
}

int DecadeOf(long double magnitude) { return static_cast<int>(std::floor(std::log10(magnitude))); }

// Decimals of the significant form before the adjustment by the configured decimals.
int SignificantDecimals(long double value) {
  long double magnitude = std::fabs(value);
  int e = DecadeOf(magnitude == 0 ? 0.5L : magnitude);
  int decimals = e >= 3 ? 0 : e < 0 ? 3 - e - 1 : 3 - e;
  std::string text = FormatDecimals(value, decimals);
  while (decimals > 0 && text.back() == '0') {
    --decimals;
    text.pop_back();
  }
  return decimals;
}

// Pascal-style div and mod: both truncate towards zero.
int TruncatedMod(int a, int b) { return a % b; }
int TruncatedDiv(int a, int b) { return a / b; }

std::string TrimmedCopy(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

int AdjustDecimals(int d, const NumberFormat& format) {
  if (format.decimals == 3) return d;
  int adjusted = d + (format.decimals - 3);
  return adjusted < 0 ? 0 : adjusted > 10 ? 10 : adjusted;
}

std::string FormatDecimals(long double value, int decimals) {
  if (!std::isfinite(value)) return value > 0 ? "INF" : value < 0 ? "-INF" : "NAN";
  if (decimals < 0) decimals = 0;
  // glibc prints the exact binary value; the extra digits decide the rounding at 'decimals'.
  constexpr int kGuardDigits = 30;
  int length = std::snprintf(nullptr, 0, "%.*Lf", decimals + kGuardDigits, std::fabs(value));
  std::string exact(static_cast<size_t>(length), '\0');
  std::snprintf(exact.data(), exact.size() + 1, "%.*Lf", decimals + kGuardDigits, std::fabs(value));
  size_t dot = exact.find('.');
  std::string digits = exact.substr(0, dot) + exact.substr(dot + 1, static_cast<size_t>(decimals));
  if (exact[dot + 1 + static_cast<size_t>(decimals)] >= '5') {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[i - 1];
  }
  size_t integerDigits = digits.size() - static_cast<size_t>(decimals);
  std::string text = digits.substr(0, integerDigits);
  if (decimals > 0) text += "." + digits.substr(integerDigits);
  bool allZero = digits.find_first_not_of('0') == std::string::npos;
  return (value < 0 && !allZero) ? "-" + text : text;
}

std::string FormatSignificant(long double value, const NumberFormat& format) {
  if (!std::isfinite(value)) return FormatDecimals(value, 0);
  if (std::fabs(value) < 1.0E-5L) return "0";
  int decimals = AdjustDecimals(SignificantDecimals(value), format);
  return WithSeparator(FormatDecimals(value, decimals), format);
}

std::string FormatFixed(long double value, int width, int decimals, const NumberFormat& format) {
  decimals = AdjustDecimals(decimals, format);
  if (std::fabs(value) < 1.0E-8L) value = 0;
  std::string text = FormatDecimals(value, decimals);
  size_t field = static_cast<size_t>(decimals == 0 ? width : width + decimals + 1);
  if (text.size() < field) text.insert(0, field - text.size(), ' ');
  return WithSeparator(text, format);
}

std::string FormatEngineering(long double value, const NumberFormat& format) {
  long double magnitude = std::fabs(value);
  if (magnitude == 0 || !std::isfinite(value)) return FormatSignificant(value, format);
  int e = DecadeOf(magnitude);
  if (e >= 4) {
    long double scaled = value / std::pow(10.0L, e - TruncatedMod(e, 3));
    return FormatSignificant(scaled, format) + "E" + std::to_string(TruncatedDiv(e, 3) * 3);
  }
  if (e < -2) {
    long double scaled = value * std::pow(10.0L, TruncatedMod(e, 3) - e);
    return FormatSignificant(scaled, format) + "E" + std::to_string(TruncatedDiv(e, 3) * 3);
  }
  return FormatSignificant(value, format);
}

std::string FormatSmallOrLarge(long double value, const NumberFormat& format) {
  long double magnitude = std::fabs(value);
  if (magnitude < 1.0E-12L) return FormatSignificant(0, format);
  if (magnitude < 1.0E-5L || magnitude >= 10000) return FormatEngineering(value, format);
  return FormatSignificant(value, format);
}

bool ParseReal(const std::string& text, long double& value) {
  std::string trimmed = TrimmedCopy(text);
  size_t comma = trimmed.find(',');
  if (comma != std::string::npos) trimmed[comma] = '.';
  if (trimmed.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long double parsed = std::strtold(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

long double RealOrZero(const std::string& text) {
  long double value = 0;
  return ParseReal(text, value) ? value : 0;
}

bool ParseInteger(const std::string& text, long& value) {
  std::string trimmed = TrimmedCopy(text);
  if (trimmed.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long parsed = std::strtol(trimmed.c_str(), &end, 10);
  if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE) return false;
  value = parsed;
  return true;
}

}  // namespace kalo
