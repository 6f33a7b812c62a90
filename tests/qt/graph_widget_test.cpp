#include "graphics/screen_plotter.h"
#include "qt/graph_widget.h"

#include <gtest/gtest.h>

#include <QTest>

#include "graphics/device_mapping.h"
#include "support/test_context.h"

namespace kalo {
namespace {

constexpr QRgb kYellow = qRgb(255, 255, 0);

class GraphWidgetTest : public ::testing::Test {
 protected:
  GraphWidgetTest() {
    config.resolutionX = 640;
    config.resolutionY = 480;
    config.zoomFactor = 2;
    config.colourGraphics = true;
    config.backgroundColour = 0x00FFFF;  // red and green: yellow
    widget.resize(641, 481);
  }

  // One world unit a pixel: world (x, y) lands on pixel (x, 480 - y).
  void PixelWindow() { window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 640, 480); }
  QImage Picture() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  IntRect Zoom() const { return window.State().zoom; }

  testing::TestContext test;
  Configuration& config = test.context.config;
  GraphWidget widget{test.context};
  GraphWindow& window = widget.Window();
};

TEST_F(GraphWidgetTest, RecordedDrawingFillsTheWidgetInItsColours) {
  EXPECT_NE(test.context.screenPlotter, nullptr);
  PixelWindow();
  window.SetColor(12);
  window.line(10, 400, 300, 400);
  window.SetColor(10);
  window.Solid(400, 100, 500, 100, 500, 200, 400, 200);

  QImage picture = Picture();
  EXPECT_EQ(picture.pixel(150, 80), qRgb(255, 0, 0));
  EXPECT_EQ(picture.pixel(450, 330), qRgb(0, 255, 0));
  EXPECT_EQ(picture.pixel(150, 90), kYellow);
  EXPECT_EQ(picture.pixel(600, 20), kYellow);

  // Twice as wide and high: all doubles. Wider still: the picture keeps its proportions and
  // the background fills the rest.
  for (int width : {2 * 641, 2000}) {
    widget.resize(width, 2 * 481);
    picture = Picture();
    EXPECT_EQ(picture.pixel(300, 160), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(900, 660), qRgb(0, 255, 0));
    EXPECT_EQ(picture.pixel(1200, 40), kYellow);
  }
  EXPECT_EQ(picture.pixel(1700, 160), kYellow);
}

TEST_F(GraphWidgetTest, KeypadPlusZoomsInEscapeAndRightClickShowAllAgain) {
  PixelWindow();
  IntRect all{0, 0, 640, 480};
  QTest::keyClick(&widget, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(Zoom(), (IntRect{160, 120, 480, 360}));
  QTest::keyClick(&widget, Qt::Key_Escape);
  EXPECT_EQ(Zoom(), all);
  QTest::keyClick(&widget, Qt::Key_Plus);  // the main keyboard's + as well
  QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(20, 20));
  EXPECT_EQ(Zoom(), all);
  QTest::keyClick(&widget, Qt::Key_Minus);
  EXPECT_EQ(Zoom(), (IntRect{-320, -240, 960, 720}));
}

TEST_F(GraphWidgetTest, RubberBandIsShownLiveAndZoomsToItsRectangle) {
  widget.show();
  PixelWindow();
  Picture();
  size_t records = window.List().Size();

  QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(&widget, QPoint(300, 200));
  QImage live = Picture();
  EXPECT_EQ(live.pixel(200, 100), qRgb(0, 0, 255));  // the background inverted
  EXPECT_EQ(live.pixel(300, 150), qRgb(0, 0, 255));
  EXPECT_EQ(live.pixel(200, 150), kYellow);
  QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(300, 200));

  // x: 100 and 300 of 641 pixels across 640 units; y: 481 - 200 and 481 - 100 of 481 across 480.
  EXPECT_EQ(Zoom(), (IntRect{100, 280, 300, 380}));
  EXPECT_EQ(window.List().Size(), records);
}

TEST_F(GraphWidgetTest, RubberBandOverAPictureThatKeepsItsProportionsShowsWhatItEnclosed) {
  widget.show();
  window.Header(0, 0, 200, 50);  // a long flat picture: it fills the width only
  auto worldAt = [&](QPoint pixel) {
    const GraphicsState& s = window.State();
    return std::pair{s.originX + (pixel.x() - s.viewport.x0) / s.sx, s.originY + (s.viewport.y1 - pixel.y()) / s.sy};
  };
  QPoint from(300, 260), to(400, 300);  // wider than the picture's proportions
  auto [left, bottom] = worldAt({from.x(), to.y()});
  auto [right, top] = worldAt({to.x(), from.y()});
  long double middleX = (left + right) / 2, middleY = (bottom + top) / 2;
  window.SetColor(10);  // a green mark in the band's middle
  window.Solid(middleX - 1, middleY - 1, middleX + 1, middleY - 1, middleX + 1, middleY + 1, middleX - 1, middleY + 1);
  Picture();
  QTest::mousePress(&widget, Qt::LeftButton, {}, from);
  QTest::mouseMove(&widget, to);
  QTest::mouseRelease(&widget, Qt::LeftButton, {}, to);

  // The band's middle is the picture's middle now, and its width fills the window.
  DeviceMapping zoomed(window.State());
  const IntRect& viewport = window.State().viewport;
  EXPECT_NEAR(zoomed.X(middleX), (viewport.x0 + viewport.x1) / 2, 2);
  EXPECT_NEAR(zoomed.Y(middleY), (viewport.y0 + viewport.y1) / 2, 2);
  EXPECT_NEAR(zoomed.X(left), viewport.x0, 4);
  EXPECT_NEAR(zoomed.X(right), viewport.x1, 4);
  EXPECT_GE(zoomed.Y(bottom), viewport.y0);
  EXPECT_LE(zoomed.Y(top), viewport.y1);
  EXPECT_EQ(Picture().pixel(320, 240), qRgb(0, 255, 0));
}

TEST_F(GraphWidgetTest, DottedStyleRecordGivesADottedPen) {
  PixelWindow();
  window.SetColor(16);
  window.SetLineStyle(1);
  window.line(20, 240, 620, 240);
  window.SetLineStyle(0);
  window.line(20, 200, 620, 200);

  QImage picture = Picture();
  auto changes = [&](int y) {
    int count = 0;
    for (int x = 21; x < 619; ++x) count += picture.pixel(x, y) != picture.pixel(x - 1, y);
    return count;
  };
  EXPECT_GT(changes(240), 100);
  EXPECT_EQ(changes(280), 0);
}

TEST(GraphWidget, LeavesNoPlotterBehind) {
  testing::TestContext test;
  { GraphWidget widget(test.context); }
  EXPECT_EQ(test.context.screenPlotter, nullptr);
}

}  // namespace
}  // namespace kalo
