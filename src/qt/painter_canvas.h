#pragma once
// The replay canvas on a QPainter: the widget, an off-screen QImage and a QPrinter page.
// Pens are cosmetic (their width is in device pixels whatever the painter's scale); the
// "not" mode inverts the pixels on raster devices and draws normally elsewhere.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include "platform/canvas.h"

namespace kalo {

class PainterCanvas : public Canvas {
 public:
  // The painter stays active while the canvas draws on it.
  explicit PainterCanvas(QPainter& painter);

  void SetPen(const Pen& pen) override;
  void SetBrush(Rgb colour) override;
  // Fills the whole device with the colour.
  void SetBackground(Rgb colour) override;

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void EllipseArc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) override;
  void Polygon(std::span<const DevicePoint> corners) override;
  // A text without cell height (smaller than a pixel on this device) is left out.
  void Text(int x, int y, const std::string& utf8, const FontDescription& font, Rgb colour) override;

 private:
  // The Qt font of a description and the distance from its cell top to the baseline.
  struct CachedFont {
    FontDescription description;
    QFont font;
    qreal ascent = 0;
  };
  const CachedFont& FontFor(const FontDescription& description);

  QPainter& painter_;
  QPen pen_;
  bool inverting_ = false;
  QColor brush_ = Qt::black;
  QPoint current_;
  CachedFont font_;
  bool fontValid_ = false;
};

}  // namespace kalo
