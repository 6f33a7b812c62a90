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

// File names are bytes of the locale: marked in a text, they reach the console unchanged,
// the window as its characters, and a code page 850 file with what the code page lacks
// spelled out.
TEST(CodePage, FileNamesInTextsKeepTheirBytes) {
  std::string text = Oem("Datei ") + FileNameText("Größe\xff.kal") + Oem(" für");
  EXPECT_EQ(Cp850ToUtf8(text), "Datei Größe\xff.kal für");
  EXPECT_EQ(Cp850ToAnsi(text), "Datei Gr\xf6\xdf" "e\xff.kal f\xfcr");
  EXPECT_EQ(Cp850ToUtf8(FileNameText("a\x0e\x0f")), "a??");
  EXPECT_EQ(Cp850ToUtf8(Oem("ü") + FileNameText("ü")), "üü");
  EXPECT_EQ(DisplayUtf8(Oem("Maß ") + FileNameText("Maß.kal"), true), "Mass Maß.kal");

  EXPECT_EQ(NameInCp850("Größe.kal"), Oem("Größe.kal"));
  EXPECT_EQ(NameInCp850("\xce\xa9mega \xe6\xb0\xb4.kal"), "<U+03A9>mega <U+6C34>.kal");
  EXPECT_EQ(NameInCp850("b\xffx\xc3"), "b<FF>x<C3>");
}

TEST(CodePage, OnlyWellFormedUtf8IsACharacter) {
  for (std::string valid : {"a", "\xc3\xa4", "\xe2\x82\xac", "\xf0\x9f\x98\x80"})
    EXPECT_EQ(Utf8SequenceLength(valid, 0), valid.size()) << valid;
  // A lone continuation byte, an overlong form, a surrogate, a cut sequence, beyond Unicode.
  for (std::string invalid : {"\x80", "\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\xf4\x90\x80\x80", "\xff"})
    EXPECT_EQ(Utf8SequenceLength(invalid, 0), 0u) << invalid;
}

}  // namespace
}  // namespace kalo
