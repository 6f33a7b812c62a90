#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace kalo {
namespace {

TEST(CodePage, Utf8LiteralsBecomeCodePage850AndBack) {
  std::string oem = Oem("Körper Maß 20° ²³ µ ±");
  EXPECT_EQ(oem, "K\x94rper Ma\xE1 20\xF8 \xFD\xFC \xE6 \xF1");
  EXPECT_EQ(Cp850ToUtf8(oem), "Körper Maß 20° ²³ µ ±");
  EXPECT_EQ(Oem("€"), "?");
}

TEST(CodePage, AnsiConversionKeepsLettersAndDrawsBoxesInAscii) {
  EXPECT_EQ(Cp850ToAnsi(Oem("Änderung ü")), "\xC4nderung \xFC");
  EXPECT_EQ(Cp850ToAnsi("\xC9\xCD\xBB\xBA\xC4"), "+-+|-");
  EXPECT_EQ(AnsiToCp850("\xC4nderung"), Oem("Änderung"));
  EXPECT_EQ(AnsiToUtf8("\x80 \xE9"), "€ é");
}

TEST(CodePage, PlainLettersAreSpelledOut) {
  EXPECT_EQ(SpellOutPlainLetters(Oem("Maß 20°")), "Mass 20deg");
  EXPECT_EQ(SpellOutPlainLetters(Oem("Übergröße ±0,1 mm²")), "Uebergroesse +/-0,1 mm2");
}

TEST(CodePage, DisplayConversionDropsLongTextsAndMapsPlainLetters) {
  EXPECT_EQ(DisplayUtf8(std::string(254, 'a'), false).size(), 254u);
  EXPECT_EQ(DisplayUtf8(std::string(255, 'a'), false), "");
  EXPECT_EQ(DisplayUtf8(Oem("Fläche 5°"), false), "Fläche 5°");
  EXPECT_EQ(DisplayUtf8(Oem("Fläche 5°"), true), "Flaeche 5deg");
  EXPECT_EQ(DisplayAnsi("\xC9\xCD\xBB", true), "+-+");
}

}  // namespace
}  // namespace kalo
