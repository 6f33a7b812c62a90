// Where points of the window land on the printed page.
#include <gtest/gtest.h>

#include "context/configuration.h"
#include "context/print_settings.h"
#include "graphics/page_mapping.h"

namespace kalo::testing {
namespace {

// A portrait page of 4200 by 6000 printer pixels for a window of 640 by 480 pixels.
constexpr int kWidth = 4200, kHeight = 6000, kRx = 639, kRy = 479;

PageMapping Mapping(const PrintSettings& settings) { return PageMapping(settings, kWidth, kHeight, kRx, kRy); }

TEST(PageMappingTest, TheWindowFillsThePrintablePageEachAxisByItself) {
  PageMapping page = Mapping({});
  EXPECT_EQ(page.X(0), 0);
  EXPECT_EQ(page.Y(0), 0);
  EXPECT_EQ(page.X(kRx), kWidth);
  EXPECT_EQ(page.Y(kRy), kHeight);
  EXPECT_EQ(page.X(319.5), 2100);
  EXPECT_EQ(page.LengthX(kRx), kWidth);
  EXPECT_EQ(page.LengthY(kRy / 2.0), kHeight / 2);
}

TEST(PageMappingTest, BothOriginsCountInTenthsOfThePageWidth) {
  PrintSettings settings;
  settings.originX = 21;
  settings.originY = 21;
  PageMapping page = Mapping(settings);
  EXPECT_EQ(page.X(0), kWidth / 10);
  EXPECT_EQ(page.Y(0), kWidth / 10);  // not a tenth of the height (600)
  EXPECT_EQ(page.X(kRx), kWidth + kWidth / 10);
  // Lengths do not move.
  EXPECT_EQ(page.LengthX(10), Mapping({}).LengthX(10));
}

TEST(PageMappingTest, HalfScaleTakesTheLeftHalfOfTheWidth) {
  PrintSettings settings;
  settings.scaleX = 0.5L;
  settings.scaleY = 2;
  PageMapping page = Mapping(settings);
  EXPECT_EQ(page.X(kRx), kWidth / 2);
  EXPECT_EQ(page.Y(kRy), 2 * kHeight);
  EXPECT_EQ(page.LengthX(kRx), kWidth / 2);
}

TEST(PageMappingTest, OffsetAndPictureAreRoundedEachByItself) {
  // 100 wide page, window 10 wide (Rx 10): origin 1 is 100/210 = 0.476 → 0; a point at
  // 0.25 is 2.5 → 2 (halves to even); together 2.976 would round to 3.
  PrintSettings settings;
  settings.originX = 1;
  PageMapping page(settings, 100, 100, 10, 10);
  EXPECT_EQ(page.X(0.25), 2);
  EXPECT_EQ(page.X(0.75), 8);
  // A zero scale collapses the picture onto the origin.
  settings.scaleX = 0;
  EXPECT_EQ(PageMapping(settings, 100, 100, 10, 10).X(7), 0);
}

TEST(PrintSettingsTest, TheDrawingSheetOpensWithFixedSettingsOthersWithTheConfiguredOnes) {
  Configuration config;
  config.printScale = 0.7L;
  config.printScaleVertical = 0.6L;
  config.printOriginX = 5;
  config.printOriginY = 7;
  config.printBorder = true;
  config.printOrientation = 1;
  for (int preset : {0, 1}) {
    PrintSettings opened = OpeningPrintSettings(config, preset);
    EXPECT_EQ(opened.scaleX, 0.7L);
    EXPECT_EQ(opened.scaleY, 0.6L);
    EXPECT_EQ(opened.originX, 5);
    EXPECT_EQ(opened.originY, 7);
    EXPECT_TRUE(opened.border);
    EXPECT_FALSE(opened.landscape);
  }
  config.printOrientation = 3;  // anything but 1 is landscape
  EXPECT_TRUE(OpeningPrintSettings(config, 0).landscape);
  PrintSettings fixed = OpeningPrintSettings(config, kFixedPrintPreset);
  EXPECT_EQ(fixed.scaleX, 1.9L);
  EXPECT_EQ(fixed.scaleY, 1.0L);
  EXPECT_EQ(fixed.originX, 0);
  EXPECT_EQ(fixed.originY, 0);
  EXPECT_FALSE(fixed.border);
  EXPECT_FALSE(fixed.landscape);
}

}  // namespace
}  // namespace kalo::testing
