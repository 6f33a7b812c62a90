#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "views/diagram_limits_form.h"
#include "views/equal_scale.h"
#include "views/views_fixture.h"

namespace kalo::testing {
namespace {

class DrawingSheet : public ViewsFixture {
 protected:
  DrawingSheet() {
    SetRectangle(0, 100, 50);
    context.config.tempDirectory = dir.Path();
  }
  // A maker's logo: one line from (0, 0) to (10, 5).
  void SupplyLogo() { WriteBytes(dir.File("$logo_1.dx$"), "0\r\nLINE\r\n8\r\n5\r\n10\r\n0\r\n20\r\n0\r\n11\r\n10\r\n21\r\n5\r\n0\r\nEOF\r\n"); }
  Outcome ShowSheet(int target = kCadScreen) { return ShowView(context, target, ViewNumber::DrawingSheet); }
};

TEST_F(DrawingSheet, ChangeRowsShowTheLastEight) {
  for (int i = 1; i <= 10; ++i) {
    context.body.documentation.changes.push_back({"Change " + std::to_string(i), "0" + std::to_string(i % 10) + ".12.2026", "Mai", ""});
  }
  ASSERT_TRUE(ShowSheet());
  EXPECT_FALSE(Recorded("Text a 21.000 6.500") || Recorded("Text b 21.000 10.700"));
  EXPECT_TRUE(Recorded("Text c 21.000 10.700"));
  EXPECT_TRUE(Recorded("Text Change 3 27.000 10.700"));
  EXPECT_TRUE(Recorded("Text 03.12.2026 52.500 10.700"));
  EXPECT_TRUE(Recorded("Text j 21.000 40.100"));
  EXPECT_TRUE(Recorded("Text Mai 66.000 40.100"));
  EXPECT_EQ(Count("Text Change"), 8u);

  context.config.changeIndexStyle = ChangeIndexStyle::CapitalLetters;
  ASSERT_TRUE(ShowSheet());
  EXPECT_TRUE(Recorded("Text J 21.000 40.100"));
}

TEST_F(DrawingSheet, TitleBlockOptions) {
  SupplyLogo();
  context.state.dataDirectory = "/data/";
  context.body.texts.name = "Welle";
  ASSERT_TRUE(ShowSheet());
  EXPECT_TRUE(Recorded("Text Welle 120.000 32.500"));
  EXPECT_TRUE(Recorded("Text /data/part.kal 18.000 1.000"));
  EXPECT_TRUE(Recorded("Text 07.12.2026 9:05 186.000 1.000"));
  EXPECT_TRUE(Recorded("Text VORTANE   " + ProgramTitleLine() + "  V2.0 1.000 300.000"));
  EXPECT_TRUE(Recorded("Line 75.000 10.000 85.000 15.000"));  // the logo at (75, 10)
  EXPECT_TRUE(Recorded(Oem("Text Weitergabe sowie Vervielfältigung dieser Unterlage, Ver- 4.000 200.000")));

  Configuration& config = context.config;
  config.titleBlockWithoutTitle = config.titleBlockWithoutFileName = true;
  config.titleBlockWithoutDate = config.titleBlockWithoutLogo = true;
  SupplyLogo();
  plotter.calls.clear();
  ASSERT_TRUE(ShowSheet());
  EXPECT_TRUE(Recorded("Text Welle 120.000 32.500"));
  for (const std::string& text : plotter.Starting("Text ")) {
    EXPECT_EQ(text.find(" 300.000"), std::string::npos) << text;
    EXPECT_EQ(text.find(" 1.000", text.size() - 6), std::string::npos) << text;
  }
  EXPECT_FALSE(Recorded("Line 75.000 10.000 85.000 15.000"));
}

TEST_F(DrawingSheet, DiagramOfTheContour) {
  ASSERT_TRUE(ShowSheet());
  // Text sizes grow with the 125 mm area: title 3.5 · 1.25, numbers 2.3 · 1.25.
  EXPECT_EQ(Count("SetTextStyle 2.000 0.000 4.375"), 1u);
  EXPECT_EQ(Count("SetTextStyle 2.000 0.000 2.875"), 2u);
  // Both axes cross the area: two arrowheads. The x axis runs from 0 to 105 % of 100 mm.
  EXPECT_EQ(Count("Solid"), 2u);
  EXPECT_TRUE(Recorded("Line 50.000 140.000 181.250 140.000"));

  // Wholly right of x = 0 the rounded x range does not hold 0: no y axis.
  SetRectangle(100, 100, 50);
  plotter.calls.clear();
  ASSERT_TRUE(ShowSheet());
  EXPECT_EQ(Count("Solid"), 1u);
}

TEST_F(DrawingSheet, LimitsDialogOnlyForCadOutput) {
  context.config.askDiagramLimits = true;
  int shown = 0;
  std::string computedXmax;
  test.ui.onDiagramLimits = [&](DiagramLimitsForm& form) {
    ++shown;
    form.CalculateClick();
    computedXmax = form.xMax;
    form.xMax = "200";
    form.OkClick();
    return true;
  };
  ASSERT_TRUE(ShowSheet(kCadScreen));
  EXPECT_EQ(shown, 0);

  test.ui.texts = {dir.File("sheet.dxf")};
  ASSERT_TRUE(ShowSheet(kCadDxf));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(computedXmax, "100");
  EXPECT_EQ(context.diagram.user.xmax, 200);
  EXPECT_EQ(context.state.helpNumber, DiagramLimitsForm::kHelpNumber);

  // Cancel keeps the automatic limits and draws on; a command line run never asks.
  test.ui.onDiagramLimits = [&](DiagramLimitsForm&) { return ++shown < 0; };
  test.ui.texts = {dir.File("cancelled.dxf")};
  ASSERT_TRUE(ShowSheet(kCadDxf));
  EXPECT_EQ(shown, 2);
  EXPECT_FALSE(ReadBytes(dir.File("cancelled.dxf")).empty());
  context.state.arguments = {"part.kal", "/CAD1:5"};
  context.state.cadBatch = true;
  ASSERT_TRUE(ShowSheet(kCadDxf));
  EXPECT_EQ(shown, 2);
}

TEST(DiagramLimitsForm_, EditsAndButtons) {
  NumberFormat comma{3, true};
  DiagramLimitsForm form({0, 0, 2.5L, 0}, {-10, 0, 100, 50}, comma);
  EXPECT_EQ(form.caption, ProgramTitleLine());
  EXPECT_EQ(form.xMax, "2,5");
  form.xMin = "1,25";
  form.yMax = "abc";
  form.OkClick();
  EXPECT_EQ(form.Confirmed().xmin, 1.25L);
  EXPECT_EQ(form.Confirmed().ymax, 0);
  form.CalculateClick();
  EXPECT_EQ(form.xMin, "-10");
  EXPECT_EQ(form.yMax, "50");
}

// Scales as (lo, hi, step); the values asked for as (xmin, ymin, xmax, ymax).
TEST(EqualizeScales_, TheAxisWithRoomGrowsToTheOthersScale) {
  // A ring: y fills the square area, x grows about the middle of the ring on whole steps.
  AxisScale x{2, 12, 2}, y{0, 50, 10};
  EqualizeScales({2, 0, 12, 50}, 125, 125, x, y);
  EXPECT_EQ(x.lo, -20);
  EXPECT_EQ(x.hi, 30);
  EXPECT_EQ(x.step, 10);
  EXPECT_EQ(y.hi, 50);

  // A flat disc: x fills, y keeps the axis of rotation as its lower edge.
  x = {0, 100, 20};
  y = {0, 20, 5};
  EqualizeScales({0, 0, 100, 20}, 125, 125, x, y);
  EXPECT_EQ(y.lo, 0);
  EXPECT_EQ(y.hi, 100);
  EXPECT_EQ(y.step, 20);
  EXPECT_EQ(x.hi, 100);

  // Limits the user typed stay shown: whole steps would cut -18, so the limit leaves them.
  x = {-18, 4, 2};
  y = {0, 24, 8};
  EqualizeScales({-18, 0, 4, 24}, 100, 100, x, y);
  EXPECT_EQ(x.lo, -18);
  EXPECT_EQ(x.hi, 6);

  // A wide area: x spans twice the data units of y.
  x = {-10, 10, 5};
  y = {0, 50, 10};
  EqualizeScales({-10, 0, 10, 50}, 200, 100, x, y);
  EXPECT_EQ(x.hi - x.lo, 100);
}

}  // namespace
}  // namespace kalo::testing
