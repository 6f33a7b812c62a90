#include "config/config_values.h"

#include <gtest/gtest.h>

namespace kalo {
namespace {

TEST(ConfigValues, RealsCarryFourPlacesMoreThanTheConfiguredDecimals) {
  EXPECT_EQ(EncodeReal(1.02L, 3), "1.0200000");
  EXPECT_EQ(EncodeReal(1.0L, 3), "1.0000000");
  EXPECT_EQ(EncodeReal(0.02L, 3), "0.0200000");
  EXPECT_EQ(EncodeReal(-0.2617993877991495L, 3), "-0.2617994");
  EXPECT_EQ(EncodeReal(1.02L, 1), "1.02000");
  EXPECT_EQ(EncodeReal(3.6651914291880923L, 9), "3.6651914292");
  EXPECT_EQ(EncodeReal(1234.5L, 3), "1234.5000000");
}

TEST(ConfigValues, WholeRealsBelowOneAreWrittenInTheSignificantForm) {
  EXPECT_EQ(EncodeReal(0, 3), "0");
  EXPECT_EQ(EncodeReal(-5, 3), "-5");
  EXPECT_EQ(EncodeReal(-90, 3), "-90");
  EXPECT_EQ(EncodeReal(2, 3), "2.0000000");
}

TEST(ConfigValues, ReadingAcceptsCommasAndGivesZeroForJunk) {
  EXPECT_EQ(DecodeReal("1,5"), 1.5L);
  EXPECT_EQ(DecodeReal("1.5"), 1.5L);
  EXPECT_EQ(DecodeReal("1,5,5"), 0);
  EXPECT_EQ(DecodeReal("nan"), 0);
  EXPECT_EQ(DecodeReal("1e999"), 0) << "beyond what a double holds";
  EXPECT_EQ(DecodeReal("-1e300"), -1e300L);
  EXPECT_EQ(DecodeInteger("-12"), -12);
  EXPECT_EQ(DecodeInteger("12x"), 0);
  EXPECT_EQ(DecodeInteger("99999999999"), 0);
  EXPECT_EQ(DecodeInteger(""), 0);
}

TEST(ConfigValues, BooleansAndCharacters) {
  EXPECT_TRUE(DecodeBoolean("true"));
  EXPECT_FALSE(DecodeBoolean("TRUE "));
  EXPECT_FALSE(DecodeBoolean("J"));
  for (const char* yes : {"TRUE", "true", "1", "J", "ja", "Yes", "y", " 1 "}) EXPECT_TRUE(DecodeYesNo(yes)) << yes;
  for (const char* no : {"FALSE", "0", "N", "nein", "no", "", "2"}) EXPECT_FALSE(DecodeYesNo(no)) << no;
  EXPECT_TRUE(DecodeBooleanUnlessFalse(""));
  EXPECT_FALSE(DecodeBooleanUnlessFalse("False"));
  EXPECT_EQ(DecodeCharacter("Ja"), 'J');
  EXPECT_EQ(DecodeCharacter(""), 'N');
  EXPECT_EQ(DecodeCharacter(std::string(1, '\0')), 'N');
  EXPECT_EQ(DecodeCharacter("\x1b"), 'N');
}

TEST(ConfigValues, TextsStayOnOneLine) {
  EXPECT_EQ(EncodeText("a\r\nb"), "a  b");
}

TEST(ConfigValues, TextsKeepTheirPrintableCharactersWithCodePage850Letters) {
  EXPECT_EQ(DecodeText(std::string("a\x01\0b\x7f\tc\r", 8)), "abc");
  const std::string umlauts = "\x84\x94\x81\xe1 \xf8 \xc4\xcd";  // ä ö ü ß ° and box lines
  EXPECT_EQ(DecodeText(umlauts), umlauts);
}

TEST(ConfigValues, NamesAreTrimmedCutAndNeverEmpty) {
  EXPECT_EQ(DecodeName("  Courier \x07New ", 60, "Arial"), "Courier New");
  EXPECT_EQ(DecodeName("\x01\x02  ", 60, "Arial"), "Arial");
  EXPECT_EQ(DecodeName(std::string(70, 'F') + " ", 60, "Arial"), std::string(60, 'F'));
  EXPECT_EQ(DecodeName("abc d", 4, "Arial"), "abc");
}

TEST(ConfigValues, DrawingTableNamesLeaveOutWhatCadProgramsRefuse) {
  EXPECT_EQ(DecodeTableName("Mi<t>te:1/\\\"?*|=`;", 32, "1"), "Mitte1");
  EXPECT_EQ(DecodeTableName("<\x01>", 32, "1"), "1");
  EXPECT_EQ(DecodeTableName("M\x81nze, 0.5 mm", 32, "1"), "M\x81nze, 0.5 mm");
  EXPECT_EQ(DecodeTableName(std::string(40, 'L'), 32, "1"), std::string(32, 'L'));
}

TEST(ConfigValues, WindowRectangleEachNumberFollowedByABar) {
  EXPECT_EQ(EncodeRectangle({10, 40, 700, 440}), "10|40|700|440|");
  WindowRectangle r = DecodeRectangle("1|-2|x|4");
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.top, -2);
  EXPECT_EQ(r.width, 0);
  EXPECT_EQ(r.height, 4);
  EXPECT_EQ(DecodeRectangle("7").top, 0);
}

}  // namespace
}  // namespace kalo
