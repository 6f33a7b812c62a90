// The replay of the display list against hand-computed device coordinates.
#include "graph_fixture.h"
#include "graphics/colours.h"

namespace kalo::testing {
namespace {

using Lines = std::vector<std::string>;

class ReplayTest : public GraphTest {
 protected:
  // 10 pixels per unit: x = 10 u, y = 480 - 10 u.
  void TenPixelsPerUnit() { window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 64, 48); }
};

TEST_F(ReplayTest, SmallDrawingAtExactDevicePixels) {
  TenPixelsPerUnit();
  window.SetColor(4);
  window.SetLineStyle(kDashDotLine);
  window.SetLineWidth(2);
  window.line(0.25L, 0.75L, 1.25L, 0.25L);  // halves round to the even neighbour
  window.line(1, 2, 3, 4.04L);
  window.circle(10, 10, 2);
  window.Arc(20, 20, 0, 90, 5);
  window.Solid(30, 1, 34, 1, 34, 3, 30, 3);
  window.SetTextStyle(0, 0, 2.5L, 2);  // 4 high, 1.76 wide
  window.OutTextXY("a;b", 40, 10);
  window.SetTextStyle(0, 90, 2.5L, 2);
  window.OutTextXY("up", 50, 10);
  window.SleepMs(20);
  EXPECT_EQ(Paint(), (Lines{
                         "background 1,0,0",
                         "pen 0,0,0 solid 1 copy",
                         "pen 255,0,0 solid 1 copy",
                         "brush 255,0,0",
                         "pen 255,0,0 dashdot 1 copy",
                         "pen 255,0,0 dashdot 2 copy",
                         "move 2 472",
                         "line 12 478",
                         "move 10 460",
                         "line 30 440",
                         "ellipse 80 360 120 400",
                         "arc 150 230 250 330 250 280 200 230",
                         "polygon 300 470 340 470 340 450 300 450",
                         "text 400 350 'a;b' Arial 40 18 0 100 255,0,0",
                         "text 472 380 'up' Arial 40 18 900 100 255,0,0",
                     }));
  EXPECT_EQ(host.pauses, (std::vector<int>{20}));
  EXPECT_FALSE(host.waitCursor);
}

TEST_F(ReplayTest, PrintingDrawsTextOnThePrinterOnly) {
  TenPixelsPerUnit();
  window.SetColor(4);
  window.SetLineWidth(2);
  window.line(1, 2, 3, 4);
  window.OutTextXY("T", 40, 10);
  window.SleepMs(5);
  RecordingCanvas screen, printer;
  PrinterPage page{printer, 1280, 960, {}};
  page.settings.originX = 21;  // both origins count in tenths of the page width: 128 pixels
  page.settings.originY = 21;
  page.settings.scaleY = 0.5L;  // 1 printer pixel per client pixel down, 2 across
  page.settings.border = true;
  window.FormPaint(screen, &page);
  EXPECT_EQ(screen.Lines(), (Lines{"background 1,0,0", "pen 0,0,0 solid 1 copy", "pen 255,0,0 solid 1 copy",
                                   "brush 255,0,0", "pen 255,0,0 solid 2 copy", "move 10 460", "line 30 440"}));
  // Monochrome printout: black pens four times as wide; the border in colour 11.
  EXPECT_EQ(printer.Lines(), (Lines{
                                 "pen 0,0,0 solid 1 copy",
                                 "pen 0,255,255 solid 1 copy",
                                 "move 1408 608",
                                 "line 128 608",
                                 "line 128 128",
                                 "line 1408 128",
                                 "line 1408 608",
                                 "pen 0,0,0 solid 1 copy",
                                 "brush 0,0,0",
                                 "pen 0,0,0 solid 8 copy",
                                 "move 148 588",
                                 "line 188 568",
                                 "text 928 482 'T' Arial 35 70 0 100 0,0,0",
                             }));
  EXPECT_TRUE(host.pauses.empty());
}

TEST_F(ReplayTest, MonochromeGraphicsStillErasesWithTheBackground) {
  config.colourGraphics = false;
  config.printColourMode = PrintColours::Colour;
  config.backgroundColour = 0xFFFFFF;
  TenPixelsPerUnit();
  window.SetColor(4);
  window.SetColor(0);
  window.OutTextXY("x", 1, 1);
  window.SetColor(-1);  // changes nothing
  RecordingCanvas screen, printer;
  PrinterPage page{printer, 640, 480, {}};
  window.FormPaint(screen, &page);
  EXPECT_EQ(screen.Lines(), (Lines{"background 255,255,255", "pen 0,0,0 solid 1 copy", "pen 0,0,0 solid 1 copy",
                                   "brush 0,0,0", "pen 255,255,255 solid 1 copy", "brush 255,255,255"}));
  // A colour printout draws lines in colour, but shapes and texts follow the screen.
  ASSERT_EQ(printer.calls.size(), 6u);
  EXPECT_EQ(printer.Describe(printer.calls[1]), "pen 255,0,0 solid 1 copy");
  EXPECT_EQ(printer.Describe(printer.calls[2]), "brush 0,0,0");
  EXPECT_EQ(printer.calls[5].colour, (Rgb{255, 255, 255}));
}

TEST_F(ReplayTest, TextStyleBitsOnScreenAndPrinter) {
  TenPixelsPerUnit();
  window.OutTextXY("s", 1, 1);
  config.graphicsFontStyle = 5;  // bold, underlined
  RecordingCanvas screen;
  window.FormPaint(screen);
  EXPECT_EQ(screen.Describe(screen.calls.back()), "text 10 444 's' Arial 35 35 0 700 u 0,0,0");
  config.graphicsFontStyle = 18;  // above 15: plain, but the screen keeps the italic bit
  window.FormPaint(screen);
  EXPECT_EQ(screen.Describe(screen.calls.back()), "text 10 444 's' Arial 35 35 0 100 i 0,0,0");
  RecordingCanvas printer;
  PrinterPage page{printer, 640, 480, {}};
  window.FormPaint(screen, &page);
  EXPECT_EQ(printer.Describe(printer.calls.back()), "text 10 444 's' Arial 35 35 0 100 0,0,0");
}

TEST_F(ReplayTest, WindowWithoutAreaEndsTheReplay) {
  TenPixelsPerUnit();
  window.line(0, 0, 1, 1);
  window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 0, 48);
  window.line(2, 2, 3, 3);
  test.context.state.cancel = false;
  RecordingCanvas canvas;
  window.FormPaint(canvas);
  EXPECT_EQ(canvas.Shapes(), (Lines{"move 0 480", "line 10 470"}));
  EXPECT_TRUE(test.context.state.cancel);
  EXPECT_FALSE(host.waitCursor);
}

TEST_F(ReplayTest, EventsRunEvery50000RecordsAndMayClearTheList) {
  TenPixelsPerUnit();
  for (int i = 0; i < 100000; ++i) window.line(0, 0, 1, 1);
  RecordingCanvas canvas;
  window.FormPaint(canvas);
  EXPECT_EQ(host.eventRuns, 3);  // before the records 0, 50000 and 100000
  host.onEvents = [this] {
    if (host.eventRuns == 5) window.Clear();
  };
  canvas.calls.clear();
  window.FormPaint(canvas);
  EXPECT_EQ(canvas.Shapes().size(), 2 * 50000u - 2);  // the window record and 49999 lines
}

}  // namespace
}  // namespace kalo::testing
