#include <gtest/gtest.h>

#include <cmath>

#include "platform/codepage.h"
#include "views/views_fixture.h"

namespace kalo::testing {
namespace {

using ShowView_ = ViewsFixture;

TEST_F(ShowView_, ChoiceListRepeatsUntilBack) {
  SetRectangle(0, 100, 50);
  test.ui.choices = {0, 2, 6};  // "Geometrie mit Tabelle", "Tabelle", "zurück .."
  EXPECT_TRUE(ShowView(context, kCadScreen, ViewNumber::Choose));
  ASSERT_EQ(test.ui.choiceCaptions.size(), 3u);
  EXPECT_EQ(test.ui.choiceCaptions[0], Oem("Bitte wählen .."));
  ASSERT_EQ(test.ui.choiceItems.size(), 7u);
  EXPECT_EQ(test.ui.choiceItems[4], "Formblatt");
  EXPECT_EQ(test.ui.choiceItems[6], Oem("zurück .."));
  EXPECT_EQ(Count("Header"), 2u);  // two drawings
  // The table's window widens to hold the table, 5 + 47 · 0.9 · 3.5 = 153.05 mm wide, and
  // a margin of 0.02 of its width.
  EXPECT_TRUE(Recorded("Header 0.000 0.000 156.011 125.000"));
  EXPECT_EQ(context.state.helpNumber, 8270);
  EXPECT_FALSE(context.state.cancel);

  // Cancel in the list ends without a drawing and without failure.
  plotter.calls.clear();
  EXPECT_TRUE(ShowView(context, kCadScreen, ViewNumber::Choose).IsCancelled());
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(plotter.calls.empty());
}

TEST_F(ShowView_, FailuresDrawNothing) {
  SetRectangle(0, 100, 50);
  EXPECT_FALSE(ShowView(context, kCadScreen, static_cast<ViewNumber>(7)));
  EXPECT_EQ(Messages(), "Ansicht 7 gibt es nicht");

  // A fatal calculation offers its messages instead of a drawing.
  test.ui.messages.clear();
  SetBody({{0, 0, 0}, {100, 0, 0}});
  ASSERT_TRUE(context.messages.Fatal());
  EXPECT_FALSE(ShowView(context, kCadScreen, ViewNumber::Geometry1));
  ASSERT_EQ(test.ui.choiceItems.size(), context.messages.Count() + 1);
  EXPECT_EQ(test.ui.choiceItems[0], context.messages.Text(1));
  EXPECT_TRUE(plotter.calls.empty());

  // In the CAD batch chain an output that cannot be created is a failure.
  SetRectangle(0, 100, 50);
  context.state.cadBatch = true;
  test.platform.currentDirectory = dir.File("missing");
  EXPECT_FALSE(ShowView(context, kCadDxf, ViewNumber::Polyline));
}

TEST_F(ShowView_, ACancelledOutputLeavesTheScreenAsItWas) {
  SetRectangle(0, 100, 50);
  ASSERT_TRUE(ShowView(context, kCadScreen, ViewNumber::Table));
  EXPECT_EQ(context.state.shownView, ViewNumber::Table);
  // The CAD target's choice is cancelled: the screen still shows the table, and a refresh
  // draws the table again, not the view that was meant for the file.
  EXPECT_TRUE(ShowView(context, kCadAsk, ViewNumber::DrawingSheet).IsCancelled());
  EXPECT_EQ(context.state.shownView, ViewNumber::Table);
  // An output that cannot be created is a failure, whoever started it.
  context.state.cancel = false;
  test.ui.texts = {dir.File("missing/teil.dxf")};
  EXPECT_TRUE(ShowView(context, kCadDxf, ViewNumber::Polyline).IsFailure());
  EXPECT_EQ(context.state.shownView, ViewNumber::Table);
}

TEST_F(ShowView_, EmptyContourDrawsAxisAndEndsOnly) {
  SetRectangle(0, 100, 50);
  context.body.contour.Reset();
  Calculate(context.body, context.config, context.messages);
  plotter.calls.clear();
  ASSERT_TRUE(ShowView(context, kCadScreen, ViewNumber::GeometryWithTable));
  EXPECT_EQ(Count("Line"), 3u);
  EXPECT_EQ(Count("Solid"), 0u);
  EXPECT_EQ(Count("Arc"), 0u);
  EXPECT_EQ(Count("Text"), 1u);  // the screen's header line
}

TEST_F(ShowView_, ResultTableAgainstCylinder) {
  // A cylinder of radius 10 and length 10 in steel: V = 1000·pi mm³, Jx = m·r²/2.
  SetRectangle(0, 10, 10);
  ASSERT_TRUE(ShowView(context, kCadScreen, ViewNumber::Table));
  long double volume = 1000 * kPi;
  long double mass = volume * 1e-6L * kDefaultDensity;
  long double jx = mass * 1e-4L / 2;
  NumberFormat format = context.Numbers();
  // Title row bottom at 120 - 2h, first row at 120 - 4h; columns 25 characters of 0.9·h.
  EXPECT_TRUE(Recorded(Oem("Text  Rotationskörper 5.000 114.750")));
  EXPECT_TRUE(Recorded(Oem("Text  Querschnittsfläche 5.000 107.750")));
  EXPECT_TRUE(Recorded("Text  V 83.750 100.750"));
  EXPECT_TRUE(Recorded("Text  " + FormatSignificant(volume, format) + " 121.550 100.750"));
  EXPECT_TRUE(Recorded("Text  " + FormatSignificant(mass, format) + " 121.550 86.750"));
  EXPECT_TRUE(Recorded("Text  gmm2 102.650 79.750"));
  EXPECT_TRUE(Recorded("Text  " + FormatSignificant(jx * 1e9L, format) + " 121.550 79.750"));
}

}  // namespace
}  // namespace kalo::testing
