#include "numbers/units.h"

namespace kalo {
namespace {

constexpr char kSquared = static_cast<char>(253);
constexpr char kCubed = static_cast<char>(252);
constexpr char kDegree = static_cast<char>(248);

}  // namespace

std::string LengthUnitText(const UnitSystem& units) { return units.inch ? "in" : "mm"; }

std::string AreaUnitText(const UnitSystem& units) {
  return LengthUnitText(units) + (units.plainLetters ? '2' : kSquared);
}

std::string VolumeUnitText(const UnitSystem& units) {
  return LengthUnitText(units) + (units.plainLetters ? '3' : kCubed);
}

std::string AngleUnitText(const UnitSystem& units) {
  return units.plainLetters ? "deg" : std::string(1, kDegree);
}

long double LengthForDisplay(long double mm, const UnitSystem& units) {
  return units.inch ? mm * kInchPerMm : mm;
}

long double AreaForDisplay(long double mm2, const UnitSystem& units) {
  return units.inch ? mm2 / kMm2PerInch2 : mm2;
}

long double VolumeForDisplay(long double mm3, const UnitSystem& units) {
  return units.inch ? mm3 / kMm3PerInch3 : mm3;
}

}  // namespace kalo
