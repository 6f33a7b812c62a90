#include "graphics/graph_window.h"

#include <cmath>

#include "graph_fixture.h"
#include "graphics/colours.h"

namespace kalo::testing {
namespace {

using GraphWindowTest = GraphTest;

std::vector<double> Values(const DisplayRecord& record, size_t count) {
  return {record.values.begin(), record.values.begin() + count};
}

TEST_F(GraphWindowTest, KeepAspectWindowFillsTheWidthAndLeavesTheTopEmpty) {
  window.SetWindow(true, false, 0, 0, 1, 1, 0, 0, 100, 50);
  const GraphicsState& state = window.State();
  EXPECT_EQ(state.viewport, (IntRect{0, 0, 640, 480}));
  EXPECT_DOUBLE_EQ(static_cast<double>(state.sx), 6.4);
  EXPECT_DOUBLE_EQ(static_cast<double>(state.sy), 6.4);
  DeviceMapping screen(state);
  EXPECT_EQ(screen.Point(0, 0), (DevicePoint{0, 480}));
  EXPECT_EQ(screen.Point(100, 50), (DevicePoint{640, 160}));
  // Without keeping the aspect each axis is stretched over the viewport.
  window.SetWindow(false, false, 0, 0.5L, 0.5L, 1, 0, 0, 100, 50);
  EXPECT_EQ(window.State().viewport, (IntRect{0, 0, 320, 240}));
  EXPECT_EQ(DeviceMapping(window.State()).Point(100, 50), (DevicePoint{320, 0}));
}

TEST_F(GraphWindowTest, HeaderInsetsTheViewportAndSavesTheLimits) {
  window.Header(-10, 0, 90, 75);
  const GraphicsState& state = window.State();
  EXPECT_EQ(state.viewport, (IntRect{1, 1, 639, 479}));
  EXPECT_EQ(Values(window.List()[0], 8), (std::vector<double>{1, 1, 639, 479, -10, 0, 90, 75}));
  EXPECT_EQ(window.List()[1].code, RecordCode::LineStyle);
  EXPECT_DOUBLE_EQ(static_cast<double>(window.EinX(0.5L)), 50);
  EXPECT_DOUBLE_EQ(static_cast<double>(window.EinY(0.2L)), 15);

  window.ReSetWindow();
  EXPECT_FALSE(window.State().keepAspect);
  window.RestoreLimit();
  EXPECT_TRUE(window.State().keepAspect);
  EXPECT_EQ(window.State().world.xmin, -10);
  EXPECT_EQ(window.State().world.ymax, 75);
  EXPECT_FALSE(test.context.state.cancel);
}

TEST_F(GraphWindowTest, WindowWithoutAreaCancelsAndKeepsTheMapping) {
  window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 64, 48);
  window.SetWindow(true, true, 0, 0, 1, 1, 5, 0, 5, 10);
  EXPECT_TRUE(test.context.state.cancel);
  EXPECT_EQ(window.List().Size(), 2u);  // recorded all the same: the replay stops there
  EXPECT_EQ(window.State().world.xmax, 64);
  EXPECT_DOUBLE_EQ(static_cast<double>(window.State().sx), 10);
}

TEST_F(GraphWindowTest, ShortArcsBecomeLines) {
  window.Arc(0, 0, 350, 10, 5);  // sweeps 20 degrees across 0
  window.Arc(0, 0, 10, 12, 5);
  window.Arc(1, 1, 30, 30, 2);  // no sweep: a line of length zero
  const DisplayList& list = window.List();
  ASSERT_EQ(list.Size(), 3u);
  EXPECT_EQ(list[0].code, RecordCode::Arc);
  double c10 = 5 * std::cos(10 * M_PI / 180), s10 = 5 * std::sin(10 * M_PI / 180);
  std::vector<double> arc = Values(list[0], 8);
  std::vector<double> expected = {-5, -5, 5, 5, c10, -s10, c10, s10};
  for (size_t i = 0; i < 8; ++i) EXPECT_NEAR(arc[i], expected[i], 1e-12) << i;
  EXPECT_EQ(list[1].code, RecordCode::Line);
  EXPECT_NEAR(list[1].values[2], 5 * std::cos(12 * M_PI / 180), 1e-12);
  EXPECT_EQ(list[2].code, RecordCode::Line);
  EXPECT_EQ(list[2].values[0], list[2].values[2]);
}

TEST_F(GraphWindowTest, EqualColoursStylesAndWidthsAreRecordedOnce) {
  window.SetColor(5);
  window.SetColor(5);
  window.SetColor(17);  // above the highest colour: never recorded
  EXPECT_EQ(window.GetColor(), 5);
  window.SetColorAcad(1);  // red: screen colour 12
  window.SetLineStyleName("DASHED");
  window.SetLineStyle(kDashedLine);
  window.SetLineWidth(1);  // the replay starts with width 1
  window.SetLineWidth(3);
  ASSERT_EQ(window.List().Size(), 4u);
  EXPECT_EQ(window.List()[1].values[0], 12);

  Paint();
  window.SetLineStyle(kDashedLine);  // the paint forgot the style: recorded again
  window.SetLineWidth(3);            // the width still holds at the end of the list
  window.SetLineWidth(1);
  ASSERT_EQ(window.List().Size(), 6u);
  EXPECT_EQ(window.List()[4].code, RecordCode::LineStyle);
  EXPECT_EQ(Values(window.List()[5], 1), (std::vector<double>{1}));

  // A new drawing starts from the replay's defaults, so its first colour is recorded.
  window.Clear();
  window.SetColor(12);
  window.SetLineWidth(1);
  ASSERT_EQ(window.List().Size(), 1u);
  EXPECT_EQ(window.List()[0].code, RecordCode::Colour);
}

TEST_F(GraphWindowTest, RectangleAndDirections) {
  window.Rectangle(1, 2, 3, 4);
  ASSERT_EQ(window.List().Size(), 4u);
  EXPECT_EQ(Values(window.List()[1], 4), (std::vector<double>{3, 2, 3, 4}));
  EXPECT_EQ(Values(window.List()[3], 4), (std::vector<double>{1, 4, 1, 2}));
  EXPECT_TRUE(GraphWindow::GetDirection(-90));
  EXPECT_FALSE(GraphWindow::GetDirection(45));
  EXPECT_FALSE(GraphWindow::GetDirection(-150));
}

}  // namespace
}  // namespace kalo::testing
