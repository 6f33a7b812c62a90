#pragma once
// Length, area, volume and angle units of displayed values: millimetres or inch, and
// the special characters ² ³ ° or their plain spellings.
#include <string>

namespace kalo {

inline constexpr long double kMmPerInch = 25.4L;
inline constexpr long double kInchPerMm = 0.039370078740157480314L;
inline constexpr long double kMm2PerInch2 = 645.16L;
inline constexpr long double kMm3PerInch3 = 16387.064L;

struct UnitSystem {
  bool inch = false;          // "English" units
  bool plainLetters = false;  // "2  u  deg" instead of special characters
};

std::string LengthUnitText(const UnitSystem& units);
std::string AreaUnitText(const UnitSystem& units);
std::string VolumeUnitText(const UnitSystem& units);
std::string AngleUnitText(const UnitSystem& units);

long double LengthForDisplay(long double mm, const UnitSystem& units);
long double AreaForDisplay(long double mm2, const UnitSystem& units);
long double VolumeForDisplay(long double mm3, const UnitSystem& units);

}  // namespace kalo
