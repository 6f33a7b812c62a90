#include "qt/painter_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <array>

namespace kalo {
namespace {

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Pixels in the rectangle that are not white.
int Ink(const QImage& image, const QRect& area) {
  int count = 0;
  QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) count += image.pixel(x, y) != qRgb(255, 255, 255);
  return count;
}

// The smallest rectangle around all ink.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

QRect Around(int x, int y) { return {x - 2, y - 2, 5, 5}; }

TEST(PainterCanvas, ArcsRunCounterClockwiseFromTheRayThroughStartToTheRayThroughEnd) {
  QImage image = WhiteImage(500, 300);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    // Circle of radius 50 about (100, 100): from three o'clock up to twelve o'clock.
    canvas.EllipseArc(50, 50, 150, 150, {200, 100}, {100, 0});
    // Ellipse 400 x 100 about (250, 200): from the ray at 45 degrees up-right (it meets the
    // ellipse at x = 250 + 200 / sqrt(17) = 298.5) over the top to nine o'clock.
    canvas.EllipseArc(50, 150, 450, 250, {350, 100}, {0, 200});
  }
  EXPECT_GT(Ink(image, Around(135, 65)), 0);   // the upper right quarter is drawn
  EXPECT_EQ(Ink(image, Around(65, 135)), 0);   // the other three are not
  EXPECT_EQ(Ink(image, Around(135, 135)), 0);
  EXPECT_GT(Ink(image, Around(250, 150)), 0);  // top of the ellipse
  EXPECT_GT(Ink(image, Around(285, 152)), 0);  // just before the start ray
  EXPECT_EQ(Ink(image, Around(320, 154)), 0);  // beyond it
  EXPECT_EQ(Ink(image, Around(250, 250)), 0);  // lower half
}

TEST(PainterCanvas, NotModeInvertsAndASecondDrawingRestoresThePicture) {
  QImage image = WhiteImage(100, 100);
  QPainter painter(&image);
  PainterCanvas canvas(painter);
  canvas.SetBrush({255, 0, 0});
  std::array<DevicePoint, 4> square = {{{30, 30}, {70, 30}, {70, 70}, {30, 70}}};
  canvas.Polygon(square);
  QImage before = image.copy();
  canvas.SetPen({kBlack, PenStyle::Solid, 1, PenMode::Not});
  auto band = [&] {
    canvas.MoveTo(10, 10);
    canvas.LineTo(50, 10);
    canvas.LineTo(50, 50);
    canvas.LineTo(10, 50);
    canvas.LineTo(10, 10);
  };
  band();
  EXPECT_EQ(image.pixel(30, 10), qRgb(0, 0, 0));      // white inverted
  EXPECT_EQ(image.pixel(50, 40), qRgb(0, 255, 255));  // red inverted
  EXPECT_EQ(image.pixel(10, 30), qRgb(0, 0, 0));
  band();
  EXPECT_EQ(image, before);
}

TEST(PainterCanvas, TextHangsFromItsCellCornerWithTheGivenWidthAndTurn) {
  FontDescription font{"Arial", 40, 0, 0, 400};
  auto drawn = [](const FontDescription& f, int x, int y) {
    QImage image = WhiteImage(400, 400);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.Text(x, y, "HHHH", f, kBlack);
    painter.end();
    return InkBounds(image);
  };
  QRect plain = drawn(font, 100, 100);
  // Capitals fill the cell from about a fifth below its top to about a fifth above its bottom.
  EXPECT_NEAR(plain.top(), 100 + 40 * 0.19, 3);
  EXPECT_NEAR(plain.bottom(), 100 + 40 * 0.81, 3);
  EXPECT_NEAR(plain.left(), 100, 5);

  FontDescription narrow = font;
  narrow.averageWidth = 10;
  FontDescription wide = font;
  wide.averageWidth = 20;
  int narrowWidth = drawn(narrow, 100, 100).width();
  EXPECT_NEAR(drawn(wide, 100, 100).width(), 2.0 * narrowWidth, 0.1 * narrowWidth);

  FontDescription turned = font;
  turned.escapement = 900;  // a quarter turn counter-clockwise: the text runs upward
  QRect up = drawn(turned, 100, 300);
  EXPECT_NEAR(up.height(), plain.width(), 3);
  EXPECT_LT(up.bottom(), 301);
  EXPECT_GE(up.left(), 100);
}

}  // namespace
}  // namespace kalo
