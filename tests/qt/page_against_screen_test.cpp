// The PDF drawing sheet, rendered by poppler's pdftoppm, against the window's replay of the
// same view: at the window's scale and place, the ink of one lies where the other has ink.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>

#include "cad/cad_driver.h"
#include "calc/calculation.h"
#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "qt/graph_widget.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"
#include "views/show_view.h"

namespace kalo {
namespace {

constexpr int kReach = 2;  // pixels an ink pixel may lie off the other picture's ink

// Any clearly coloured or dark pixel: the page keeps the layer colours, the screen draws black.
bool Ink(QRgb pixel) { return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 160; }

// The share of the ink pixels of one picture that have ink of the other within kReach
// pixels, the other picture shifted by (dx, dy).
double InkFound(const QImage& ink, const QImage& other, int dx, int dy) {
  int total = 0;
  int found = 0;
  for (int y = kReach; y < ink.height() - kReach; ++y) {
    for (int x = kReach; x < ink.width() - kReach; ++x) {
      int ox = x + dx;
      int oy = y + dy;
      if (!Ink(ink.pixel(x, y)) || ox < kReach || oy < kReach || ox >= other.width() - kReach ||
          oy >= other.height() - kReach)
        continue;
      ++total;
      bool near = false;
      for (int v = -kReach; v <= kReach && !near; ++v)
        for (int u = -kReach; u <= kReach && !near; ++u) near = Ink(other.pixel(ox + u, oy + v));
      found += near;
    }
  }
  return total == 0 ? 0 : static_cast<double>(found) / total;
}

QRect InkBounds(const QImage& picture) {
  QRect bounds;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (Ink(picture.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

// The PDF's page rendered by pdftoppm at the pixels per millimetre across and down.
QImage Rendered(const testing::TempDir& dir, const std::string& pdf, double perMmX, double perMmY) {
  testing::ProcessResult render = testing::RunProcess(
      dir.Path(),
      {"/usr/bin/pdftoppm", "-png", "-singlefile", "-scale-to-x", std::to_string(std::lround(230 * perMmX)),
       "-scale-to-y", std::to_string(std::lround(315 * perMmY)), pdf, dir.File("sheet")},
      {});
  EXPECT_EQ(render.exitCode, 0) << render.errorOutput;
  return QImage(QString::fromStdString(dir.File("sheet.png"))).convertToFormat(QImage::Format_RGB32);
}

TEST(PageAgainstScreen, PdfSheetCoversTheScreensDrawingInItsProportions) {
  testing::TempDir dir;
  testing::TestContext test;
  Context& context = test.context;
  Configuration& config = context.config;
  config.resolutionX = 700;
  config.resolutionY = 960;
  config.colourGraphics = false;        // every line black, as on paper
  config.backgroundColour = 0xFFFFFF;   // white
  test.platform.currentDirectory = dir.Path();
  GraphWidget widget{context};
  widget.resize(701, 961);
  ASSERT_TRUE(ReadDataFile(context, std::string(KALO_SOURCE_DIR) + "/data/examples/pulley.kal"));
  Calculate(context.body, context.config, context.messages);
  ASSERT_TRUE(ShowView(context, kCadScreen, ViewNumber::DrawingSheet));
  QImage screen = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  context.state.cadBatch = true;
  ASSERT_TRUE(ShowView(context, kCadPdf, ViewNumber::DrawingSheet));
  const std::string pdf = dir.File(context.state.currentFileName + ".pdf");

  // The drawing's size in millimetres on the page (4 pixels a millimetre), and its size in
  // pixels on the screen, give the screen's scale; the page rendered at that scale must
  // match the screen where both drawings lie.
  const QRect onScreen = InkBounds(screen);
  const QRect onPage = InkBounds(Rendered(dir, pdf, 4, 4));
  const double perMmX = onScreen.width() / (onPage.width() / 4.0);
  const double perMmY = onScreen.height() / (onPage.height() / 4.0);
  EXPECT_NEAR(perMmX / perMmY, 1, 0.02) << "the page keeps the screen drawing's proportions";
  QImage page = Rendered(dir, pdf, perMmX, perMmY);
  const QPoint shift = onScreen.topLeft() - InkBounds(page).topLeft();
  // The fonts and the dotted grid of the screen differ from the page; lines, arcs, hatching
  // and the places of the texts agree (about 0.7 where they lie on each other).
  EXPECT_GT(InkFound(page, screen, shift.x(), shift.y()), 0.65);
  EXPECT_GT(InkFound(screen, page, -shift.x(), -shift.y()), 0.65);
  // Off by some millimetres the pictures no longer agree (about 0.4): the comparison sees
  // the places.
  EXPECT_LT(InkFound(page, screen, shift.x() + 10, shift.y() + 10), 0.5);
}

}  // namespace
}  // namespace kalo
