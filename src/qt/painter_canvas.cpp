#include "qt/painter_canvas.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalo {

namespace {

constexpr int kReferencePixels = 100;  // size at which a face's proportions are measured
constexpr int kLargestStretch = 4000;  // Qt's limit

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

Qt::PenStyle ToQtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dotted: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::Dashed: return Qt::DashLine;
    case PenStyle::Solid: break;
  }
  return Qt::SolidLine;
}

bool SameFont(const FontDescription& a, const FontDescription& b) {
  return a.face == b.face && a.height == b.height && a.averageWidth == b.averageWidth && a.weight == b.weight &&
         a.italic == b.italic && a.underline == b.underline && a.strikeOut == b.strikeOut;
}

// Angle in degrees (counter-clockwise on the device, 0 at three o'clock) of the point of
// the ellipse with semi-axes a, b that lies on the ray from its centre through (dx, dy),
// measured the way Qt measures ellipse angles (the angle on the stretched circle).
qreal EllipseAngle(qreal dx, qreal dy, qreal a, qreal b) {
  return std::atan2(-dy * a, dx * b) * 180 / std::numbers::pi;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
  painter_.setBackgroundMode(Qt::TransparentMode);
  SetPen(Pen{});
}

void PainterCanvas::SetPen(const Pen& pen) {
  pen_ = QPen(ToQColor(pen.colour), std::max(pen.width, 0), ToQtStyle(pen.style), Qt::FlatCap, Qt::MiterJoin);
  pen_.setCosmetic(true);
  painter_.setPen(pen_);
  bool invert = pen.mode == PenMode::Not && painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  if (invert == inverting_) return;
  inverting_ = invert;
  painter_.setCompositionMode(invert ? QPainter::RasterOp_NotDestination : QPainter::CompositionMode_SourceOver);
}

void PainterCanvas::SetBrush(Rgb colour) { brush_ = ToQColor(colour); }

void PainterCanvas::SetBackground(Rgb colour) {
  const QPaintDevice* device = painter_.device();
  painter_.save();
  painter_.resetTransform();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(QRect(0, 0, device->width(), device->height()), ToQColor(colour));
  painter_.restore();
}

void PainterCanvas::MoveTo(int x, int y) { current_ = QPoint(x, y); }

void PainterCanvas::LineTo(int x, int y) {
  QPoint end(x, y);
  painter_.drawLine(current_, end);
  current_ = end;
}

void PainterCanvas::Ellipse(int left, int top, int right, int bottom) {
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
}

void PainterCanvas::EllipseArc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) {
  QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
  QPointF centre = box.center();
  qreal a = box.width() / 2;
  qreal b = box.height() / 2;
  qreal from = EllipseAngle(start.x - centre.x(), start.y - centre.y(), a, b);
  qreal to = EllipseAngle(end.x - centre.x(), end.y - centre.y(), a, b);
  qreal sweep = std::fmod(to - from + 360, 360);
  if (sweep <= 0) sweep = 360;  // equal rays: the whole ellipse
  QPainterPath path;
  path.arcMoveTo(box, from);
  path.arcTo(box, from, sweep);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(path);
}

void PainterCanvas::Polygon(std::span<const DevicePoint> corners) {
  QVarLengthArray<QPoint, 8> points;
  for (DevicePoint corner : corners) points.append(QPoint(corner.x, corner.y));
  painter_.setBrush(brush_);
  painter_.drawPolygon(points.constData(), static_cast<int>(points.size()));
}

const PainterCanvas::CachedFont& PainterCanvas::FontFor(const FontDescription& description) {
  if (fontValid_ && SameFont(font_.description, description)) return font_;
  QFont font(QString::fromStdString(description.face));
  font.setPixelSize(kReferencePixels);
  QFontMetricsF reference(font, painter_.device());
  // The description gives the cell (ascent + descent), Qt takes the em size.
  qreal cell = std::max<qreal>(reference.ascent() + reference.descent(), 1);
  int pixels = std::max(1, qRound(std::abs(description.height) * kReferencePixels / cell));
  font.setPixelSize(pixels);
  if (description.averageWidth > 0) {
    qreal natural = std::max<qreal>(reference.averageCharWidth() * pixels / kReferencePixels, 0.01);
    font.setStretch(std::clamp(qRound(100 * description.averageWidth / natural), 1, kLargestStretch));
  }
  font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 100, 900)));
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  font.setStrikeOut(description.strikeOut);
  font_ = {description, font, QFontMetricsF(font, painter_.device()).ascent()};
  fontValid_ = true;
  return font_;
}

void PainterCanvas::Text(int x, int y, const std::string& utf8, const FontDescription& font, Rgb colour) {
  if (utf8.empty() || font.height == 0) return;
  const CachedFont& cached = FontFor(font);
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setPen(ToQColor(colour));
  painter_.setFont(cached.font);
  painter_.translate(x, y);
  if (font.escapement != 0) painter_.rotate(-font.escapement / 10.0);
  painter_.drawText(QPointF(0, cached.ascent), QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  painter_.restore();
}

}  // namespace kalo
