#include "model/length_entry.h"

#include <cmath>
#include <numbers>

namespace kalo {
std::optional<long double> LengthFromEntry(const std::string& text, const UnitSystem& units) {
  long double value = 0;
  if (!ParseReal(text, value) || !(std::fabs(value) <= kLargestTypedLength)) return std::nullopt;
  return units.inch ? value * kMmPerInch : value;
}

std::string LengthForEntry(long double mm, const UnitSystem& units, const NumberFormat& format) {
  if (!units.inch) return FormatSignificant(mm, format);
  constexpr int kInchDecimals = 4;
  // Exactly 4 decimals whatever the configured count; only the separator follows it.
  return FormatFixed(LengthForDisplay(mm, units), 0, kInchDecimals, NumberFormat{3, format.decimalComma});
}

long double DegreesToRadians(long double degrees) { return degrees * std::numbers::pi_v<long double> / 180; }

long double RadiansToDegrees(long double radians) { return radians * 180 / std::numbers::pi_v<long double>; }

std::optional<long double> AngleFromEntry(const std::string& text) {
  long double degrees = 0;
  if (!ParseReal(text, degrees)) return std::nullopt;
  return DegreesToRadians(degrees);
}

std::string AngleForEntry(long double radians, const NumberFormat& format) {
  return FormatSignificant(RadiansToDegrees(radians), format);
}

}  // namespace kalo
