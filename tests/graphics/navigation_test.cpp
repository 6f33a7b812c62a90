// Zoom and pan by keys and mouse, seen through the replayed drawing.
#include "graph_fixture.h"
#include "graphics/device_mapping.h"

namespace kalo::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr int kEsc = 27, kRight = 39, kPageDown = 34, kShift = 16, kPlus = 107, kMinus = 109;

class NavigationTest : public GraphTest {
 protected:
  NavigationTest() {
    config.zoomFactor = 2;
    config.panFactor = 0.1L;
  }

  // Two sections on the whole client area: 10 and 20 pixels per unit.
  void DrawTwoSections() {
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 64, 48);
    window.line(28, 22, 30, 24);
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 32, 24);
    window.line(14, 11, 15, 12);
  }
};

TEST_F(NavigationTest, ZoomAndPanReachEveryWindowRecordAndEscReturns) {
  DrawTwoSections();
  RecordingCanvas canvas;
  window.FormPaint(canvas);
  Lines fullShapes = canvas.Shapes();
  EXPECT_EQ(fullShapes, (Lines{"move 280 260", "line 300 240", "move 280 260", "line 300 240"}));

  for (int i = 0; i < 3; ++i) window.processKey(kPlus);
  EXPECT_EQ(window.State().zoom, (IntRect{280, 210, 360, 270}));
  window.processKey(kRight);  // the picture moves right: one step is a tenth of the width
  EXPECT_EQ(window.State().zoom, (IntRect{272, 210, 352, 270}));
  EXPECT_EQ(host.repaints, 4);
  canvas.calls.clear();
  window.FormPaint(canvas);
  // Both sections 8 times larger, seen from (27.2, 21) and (13.6, 10.5).
  EXPECT_EQ(canvas.Shapes(), (Lines{"move 64 400", "line 224 240", "move 64 400", "line 224 240"}));

  window.processKey(kEsc);
  canvas.calls.clear();
  window.FormPaint(canvas);
  EXPECT_EQ(canvas.Shapes(), fullShapes);
}

TEST_F(NavigationTest, PageKeysZoomOutAndOtherKeys) {
  DrawTwoSections();
  window.processKey(kPlus);  // (160, 120, 480, 360)
  window.processKey(kPageDown);
  EXPECT_EQ(window.State().zoom, (IntRect{160, 240, 480, 480}));  // five steps of 24
  window.processKey(kMinus);
  EXPECT_EQ(window.State().zoom, (IntRect{0, 120, 640, 600}));
  int repaints = host.repaints;
  window.processKey(kShift);  // neither repeats the last step nor repaints
  EXPECT_EQ(window.State().zoom, (IntRect{0, 120, 640, 600}));
  EXPECT_EQ(host.repaints, repaints);
}

TEST_F(NavigationTest, RubberBandZoomsToTheDraggedRectangle) {
  window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 64, 48);
  window.FormMouseDown(MouseButton::Left, 100, 100);
  window.FormMouseMove(200, 150);
  window.FormMouseMove(300, 200);
  EXPECT_TRUE(window.RubberBandActive());
  window.FormMouseUp(300, 200);
  // Drawn, removed, drawn, removed: each time in "not" mode between two pens.
  Lines lines = host.direct.Lines();
  ASSERT_EQ(lines.size(), 4 * 7u);
  EXPECT_EQ(lines[0], "pen 0,0,0 solid 1 not");
  EXPECT_EQ((Lines{lines.begin() + 1, lines.begin() + 7}),
            (Lines{"move 100 100", "line 200 100", "line 200 150", "line 100 150", "line 100 100",
                   "pen 0,0,0 solid 1 copy"}));
  EXPECT_EQ(lines[2 * 7 + 2], "line 300 100");
  EXPECT_EQ(lines[3 * 7 + 2], "line 300 100");
  // Client 641 x 481 over the zoom rectangle 0..640 x 0..480 (y upward).
  EXPECT_EQ(window.State().zoom, (IntRect{100, 280, 300, 380}));
  EXPECT_FALSE(window.RubberBandActive());

  // Without width nothing changes.
  int repaints = host.repaints;
  window.FormMouseDown(MouseButton::Left, 50, 50);
  window.FormMouseUp(50, 300);
  EXPECT_EQ(window.State().zoom, (IntRect{100, 280, 300, 380}));
  EXPECT_EQ(host.repaints, repaints);

  window.FormMouseDown(MouseButton::Right, 1, 1);
  EXPECT_EQ(window.State().zoom, (IntRect{0, 0, 640, 480}));
}

// A picture that keeps its proportions: whatever the world window's shape, the band's middle
// comes to the viewport's middle and its wider side fills the viewport.
TEST_F(NavigationTest, KeepAspectRubberBandZoomsToTheWorldRectangleItEnclosed) {
  for (long double height : {48.0L, 12.0L, 200.0L}) {
    window.Header(0, 0, 64, height);
    const GraphicsState& s = window.State();
    auto worldX = [&](int pixel) { return s.originX + (pixel - s.viewport.x0) / s.sx; };
    auto worldY = [&](int pixel) { return s.originY + (s.viewport.y1 - pixel) / s.sy; };
    long double left = worldX(100), right = worldX(300), bottom = worldY(300), top = worldY(200);
    window.FormMouseDown(MouseButton::Left, 100, 200);
    window.FormMouseUp(300, 300);
    DeviceMapping zoomed(window.State());
    const IntRect& viewport = window.State().viewport;
    EXPECT_NEAR(zoomed.X((left + right) / 2), (viewport.x0 + viewport.x1) / 2, 2) << height;
    EXPECT_NEAR(zoomed.Y((bottom + top) / 2), (viewport.y0 + viewport.y1) / 2, 2) << height;
    EXPECT_NEAR(zoomed.X(left), viewport.x0, 4) << height;  // the band is wider than 4:3
    EXPECT_NEAR(zoomed.X(right), viewport.x1, 4) << height;
    EXPECT_LE(zoomed.Y(bottom), viewport.y1) << height;
    EXPECT_GE(zoomed.Y(top), viewport.y0) << height;
  }
}

TEST_F(NavigationTest, DoubleClickFitsTheDrawingToTheWindow) {
  window.Header(0, 0, 64, 48);
  window.processKey(kPlus);
  size_t records = window.List().Size();
  window.FormDblClick();
  window.FormMouseDown(MouseButton::Left, 10, 10);
  EXPECT_FALSE(window.RubberBandActive());
  EXPECT_FALSE(window.State().keepAspect);
  EXPECT_EQ(window.List().Size(), records + 2);  // the restored limits and the unit window
  EXPECT_EQ(window.State().zoom, (IntRect{0, 0, 640, 480}));
  window.FormMouseDown(MouseButton::Left, 10, 10);  // the flag is gone: a rubber band starts
  EXPECT_TRUE(window.RubberBandActive());
}

}  // namespace
}  // namespace kalo::testing
