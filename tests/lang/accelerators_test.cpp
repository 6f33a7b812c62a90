// One menu's accelerators: every letter serves one item only.
#include "lang/accelerators.h"

#include <gtest/gtest.h>

#include <set>

namespace kalo {
namespace {

using Captions = std::vector<std::string>;

TEST(Accelerators, TheLetterAfterTheFirstSingleAmpersandInAnyCase) {
  EXPECT_EQ(AcceleratorOf("E&instellungen"), "i");
  EXPECT_EQ(AcceleratorOf("Ö&ffnen... (&Tabelle)"), "f");
  EXPECT_EQ(AcceleratorOf("Save && &Quit"), "q");
  EXPECT_EQ(AcceleratorOf("파일(&F)"), "f");
  EXPECT_EQ(AcceleratorOf("&Ändern"), "Ä");
  EXPECT_EQ(AcceleratorOf("Start Excel"), "");
  EXPECT_EQ(AcceleratorOf("Ende &"), "");
}

TEST(Accelerators, TheFirstKeepsItsLetterAndLaterOnesTakeAFreeOne) {
  // Another "&" of the caption first, then the caption's first free letter; letters that
  // items keep further down stay theirs.
  EXPECT_EQ(WithDistinctAccelerators({"Ö&ffnen...", "Ö&ffnen... (&Tabelle)", "&Import", "E&instellungen", "&Neu"}),
            (Captions{"Ö&ffnen...", "Öffnen... (&Tabelle)", "&Import", "&Einstellungen", "&Neu"}));
  EXPECT_EQ(WithDistinctAccelerators({"&Hilfebild", "&Homepage", "&History", "&Info", "H&ome"}),
            (Captions{"&Hilfebild", "Ho&mepage", "Hi&story", "&Info", "H&ome"}));
  // "&&" is no mark and no letter.
  EXPECT_EQ(WithDistinctAccelerators({"&A", "&A && B"}), (Captions{"&A", "A && &B"}));
  // Captions without a letter of their own take another one in their "(&X)", or get one.
  EXPECT_EQ(WithDistinctAccelerators({"도움말(&H)", "역사(&H)", "ä&ö", "&ö"}),
            (Captions{"도움말(&H)", "역사(&A)", "ä&ö", "ö (&B)"}));
  // Without an accelerator or without a clash nothing changes.
  Captions plain = {"Start Excel", "&Datei", "D&okument", "&1 /daten/welle.kal"};
  EXPECT_EQ(WithDistinctAccelerators(plain), plain);
}

TEST(Accelerators, AMenuOfMoreItemsThanLettersKeepsTheRestAsTheyAre) {
  Captions many(40, "&x");
  Captions distinct = WithDistinctAccelerators(many);
  std::set<std::string> letters;
  for (const std::string& caption : distinct) letters.insert(AcceleratorOf(caption));
  EXPECT_EQ(letters.size(), 36u);  // the 26 letters and 10 digits
  EXPECT_EQ(distinct.back(), "&x");
}

}  // namespace
}  // namespace kalo
