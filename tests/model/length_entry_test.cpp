#include "model/length_entry.h"

#include <gtest/gtest.h>

#include <numbers>

namespace kalo {
namespace {

const UnitSystem kMm{};
const UnitSystem kInch{true, false};

TEST(LengthEntry, EntryTakesCommaAndInchAndGivesZeroForNoNumber) {
  EXPECT_EQ(12.5L, LengthFromEntry("12,5", kMm));
  EXPECT_EQ(12.5L, LengthFromEntry(" 12.5 ", kMm));
  for (const char* refused : {"zwölf", "", "6o", "1e16", "nan", "inf"})
    EXPECT_FALSE(LengthFromEntry(refused, kMm)) << refused;
  EXPECT_EQ(25.4L, LengthFromEntry("1", kInch));
}

TEST(LengthEntry, DisplayInMmIsSignificantAndInInchHasFourDecimals) {
  NumberFormat format;
  EXPECT_EQ("25.4", LengthForEntry(*LengthFromEntry("1", kInch), kMm, format));
  EXPECT_EQ("1.0000", LengthForEntry(25.4L, kInch, format));
  EXPECT_EQ("0.4921", LengthForEntry(12.5L, kInch, format));
  EXPECT_EQ("0.0123", LengthForEntry(0.012345L, kMm, format));
  format.decimals = 6;
  format.decimalComma = true;
  EXPECT_EQ("0,4921", LengthForEntry(12.5L, kInch, format));
  EXPECT_EQ("12,5000", LengthForEntry(12.5L, kMm, format));
}

TEST(LengthEntry, AnglesAreDegreesOutsideAndRadiansInside) {
  EXPECT_NEAR(-std::numbers::pi_v<long double> / 2, *AngleFromEntry("-90"), 1e-18L);
  EXPECT_NEAR(std::numbers::pi_v<long double> / 4, *AngleFromEntry("45,0"), 1e-18L);
  EXPECT_FALSE(AngleFromEntry("rechts"));
  EXPECT_EQ("-90", AngleForEntry(*AngleFromEntry("-90"), NumberFormat{}));
  EXPECT_NEAR(180.0L, RadiansToDegrees(DegreesToRadians(180)), 1e-15L);
}

}  // namespace
}  // namespace kalo
