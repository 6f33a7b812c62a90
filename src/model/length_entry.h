#pragma once
// Lengths and arc angles as the user enters and sees them: millimetres or inch, degrees.
// The model always holds millimetres and radians.
#include <optional>
#include <string>

#include "numbers/number_format.h"
#include "numbers/units.h"

namespace kalo {

// The largest coordinate that can be typed, in the unit shown: beyond it the body's values
// leave the range that reports can write.
inline constexpr long double kLargestTypedLength = 1.0E15L;

// The first "," counts as "."; inch is taken × 25.4. Nothing for a text that is no number
// or a length beyond the largest.
std::optional<long double> LengthFromEntry(const std::string& text, const UnitSystem& units);
// mm in the significant form; inch with 4 decimals.
std::string LengthForEntry(long double mm, const UnitSystem& units, const NumberFormat& format);

long double DegreesToRadians(long double degrees);
long double RadiansToDegrees(long double radians);
// An arc angle entered in degrees, in radians; nothing for a text that is no number.
std::optional<long double> AngleFromEntry(const std::string& text);
// An arc angle in degrees in the significant form.
std::string AngleForEntry(long double radians, const NumberFormat& format);

}  // namespace kalo
