#include "graphics/colours.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace kalo {
namespace {

TEST(ColoursTest, AutocadIndexesBecomeScreenColours) {
  // The sixteen named indexes as the selection list labels them, and the wrap rule.
  const int expected[] = {12, 14, 10, 11, 9, 13, 15, 1, 2, 3, 4, 5, 6, 7, 8, 12};
  for (int aci = 1; aci <= 16; ++aci) EXPECT_EQ(GetColorTurbo(aci), expected[aci - 1]) << aci;
  EXPECT_EQ(GetColorTurbo(0), 0);
  EXPECT_EQ(GetColorTurbo(17), 14);
  EXPECT_EQ(GetColorTurbo(31), 9);
  EXPECT_EQ(GetColorTurbo(256), 0);  // only the low byte counts
  EXPECT_EQ(GetColorTurbo(257), 12);
}

TEST(ColoursTest, LineTypeNamesAreCaseSensitive) {
  EXPECT_EQ(LineStyleForName("HIDDEN"), kDashedLine);
  EXPECT_EQ(LineStyleForName("hidden"), kSolidLine);
  EXPECT_EQ(LineStyleForName("STRICHPUNKT"), kDashDotLine);
  EXPECT_EQ(LineStyleForName("PUNKT"), kDottedLine);
  EXPECT_EQ(LineStyleForName("CONTINUOUS"), kSolidLine);
  EXPECT_EQ(PenStyleOfCode(7), PenStyle::Solid);
  EXPECT_EQ(PenStyleOfCode(kDashDotLine), PenStyle::DashDot);
  EXPECT_EQ(ColourOfValue(0x00C08040), (Rgb{0x40, 0x80, 0xC0}));  // red in the lowest byte
}

TEST(ColoursTest, ChoiceItemsNameTheIndexesInCodePage850) {
  std::vector<std::string> items = AcadColourChoiceItems();
  ASSERT_EQ(items.size(), 16u);
  EXPECT_EQ(items[0], "1 (rot)");
  EXPECT_EQ(items[2], "3 (gr\x81n)");
  EXPECT_EQ(Cp850ToUtf8(items[6]), "7 (weiß)");
  EXPECT_EQ(items[15], "16 (schwarz)");
}

}  // namespace
}  // namespace kalo
