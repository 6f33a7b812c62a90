#include "model/length_entry.h"

#include <numbers>

namespace kalo {
long double LengthFromEntry(const std::string& text, const UnitSystem& units) {
  long double value = RealOrZero(text);
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

long double AngleFromEntry(const std::string& text) { return DegreesToRadians(RealOrZero(text)); }

std::string AngleForEntry(long double radians, const NumberFormat& format) {
  return FormatSignificant(RadiansToDegrees(radians), format);
}

}  // namespace kalo
