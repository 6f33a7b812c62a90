#include "numbers/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalo {
namespace {

const NumberFormat kDefault{};
const NumberFormat kFive{5, false};
const NumberFormat kComma{3, true};

TEST(SignificantForm, KeepsThreeOrFourSignificantDigits) {
  EXPECT_EQ(FormatSignificant(12.5L, kDefault), "12.5");
  EXPECT_EQ(FormatSignificant(12.25L, kDefault), "12.25");
  EXPECT_EQ(FormatSignificant(0.012345L, kDefault), "0.0123");
  EXPECT_EQ(FormatSignificant(1234.7L, kDefault), "1235");
  EXPECT_EQ(FormatSignificant(10, kDefault), "10");
  EXPECT_EQ(FormatSignificant(-1.5707963L, kDefault), "-1.571");
  EXPECT_EQ(FormatSignificant(7.8L, kDefault), "7.8");
}

TEST(SignificantForm, TinyValuesAreZeroAndDecimalsFollowTheConfiguration) {
  EXPECT_EQ(FormatSignificant(0.000009L, kDefault), "0");
  EXPECT_EQ(FormatSignificant(0, kFive), "0");
  EXPECT_EQ(FormatSignificant(7.8L, kFive), "7.800");
  EXPECT_EQ(FormatSignificant(1234.7L, kFive), "1234.70");
  EXPECT_EQ(FormatSignificant(12.5L, kComma), "12,5");
}

TEST(FixedForm, PadsToWidthAndAdjustsDecimals) {
  EXPECT_EQ(FormatFixed(1.5L, 7, 3, kDefault), "      1.500");
  EXPECT_EQ(FormatFixed(1.5L, 0, 3, kFive), "1.50000");
  EXPECT_EQ(FormatFixed(1.5L, 0, 3, NumberFormat{0, false}), "2");
  EXPECT_EQ(FormatFixed(123456.0L, 3, 1, kDefault), "123456.0");
  EXPECT_EQ(FormatFixed(-1.0E-9L, 0, 3, kDefault), "0.000");
  EXPECT_EQ(FormatFixed(12.5L, 0, 3, kComma), "12,500");
  EXPECT_EQ(FormatFixed(42, 4, 0, kDefault), "  42");
}

TEST(FixedForm, RoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatDecimals(0.125L, 2), "0.13");
  EXPECT_EQ(FormatDecimals(-0.125L, 2), "-0.13");
  EXPECT_EQ(FormatDecimals(2.5L, 0), "3");
  EXPECT_EQ(FormatDecimals(9.9996L, 3), "10.000");
  EXPECT_EQ(FormatDecimals(-0.0004L, 3), "0.000");
}

TEST(EngineeringForm, ExponentIsAMultipleOfThree) {
  EXPECT_EQ(FormatEngineering(1.2252211349E-5L, kDefault), "0.0123E-3");
  EXPECT_EQ(FormatEngineering(0.001234L, kDefault), "1.234E-3");
  EXPECT_EQ(FormatEngineering(12345.0L, kDefault), "12.35E3");
  EXPECT_EQ(FormatEngineering(1234567.0L, kDefault), "1.235E6");
  EXPECT_EQ(FormatEngineering(0.05L, kDefault), "0.05");
}

TEST(SmallOrLargeForm, SwitchesAtTheLimits) {
  EXPECT_EQ(FormatSmallOrLarge(1.0E-13L, kDefault), "0");
  EXPECT_EQ(FormatSmallOrLarge(1.2252211349E-5L, kDefault), "0.0000123");
  EXPECT_EQ(FormatSmallOrLarge(9.0E-6L, kDefault), "9E-6");
  EXPECT_EQ(FormatSmallOrLarge(9999.0L, kDefault), "9999");
  EXPECT_EQ(FormatSmallOrLarge(10000.0L, kDefault), "10E3");
}

TEST(SmallOrLargeForm, OverflowedResultsAreWrittenAsSuch) {
  EXPECT_EQ(FormatSmallOrLarge(INFINITY, kDefault), "INF");
  EXPECT_EQ(FormatSignificant(-INFINITY, kDefault), "-INF");
  EXPECT_EQ(FormatEngineering(NAN, kDefault), "NAN");
}

TEST(Parsing, AcceptsBothSeparatorsAndRefusesGarbage) {
  long double value = 0;
  EXPECT_TRUE(ParseReal(" 12,5 ", value));
  EXPECT_EQ(value, 12.5L);
  EXPECT_TRUE(ParseReal("-1.571", value));
  EXPECT_EQ(value, -1.571L);
  EXPECT_FALSE(ParseReal("12x", value));
  EXPECT_FALSE(ParseReal("", value));
  EXPECT_FALSE(ParseReal("nan", value));
  long count = 0;
  EXPECT_TRUE(ParseInteger("200", count));
  EXPECT_EQ(count, 200);
  EXPECT_FALSE(ParseInteger("2.5", count));
}

}  // namespace
}  // namespace kalo
