#include "graphics/graph_window.h"

#include <cmath>

#include "context/context.h"
#include "geometry/plane_geometry.h"
#include "graphics/colours.h"

namespace kalo {

namespace {

constexpr long double kShortArcDegrees = 4;

// The world coordinate of a zoom coordinate z when v0..v1 stands for w0..w1.
long double WorldAt(int z, int v0, int v1, long double w0, long double w1) {
  return w0 + static_cast<long double>(z - v0) / (v1 - v0) * (w1 - w0);
}

}  // namespace

GraphWindow::GraphWindow(Context& context, GraphHost& host) : context_(context), host_(host) {}

void GraphWindow::Clear() {
  list_.Clear();
  // An empty list starts again from the replay's defaults.
  lastColour_ = -1;
  lastStyle_ = kNoLineStyle;
  lastWidth_ = 1;
  host_.RequestRepaint();
  host_.ShowWindow();
}

void GraphWindow::SetWindow(bool keepAspect, bool inset, long double fx1, long double fy1, long double fx2,
                            long double fy2, long double wx1, long double wy1, long double wx2, long double wy2) {
  Resolution resolution = ResolutionOf(context_.config);
  IntRect viewport{RoundToDevice(fx1 * resolution.width), RoundToDevice((1 - fy2) * resolution.height),
                   RoundToDevice(fx2 * resolution.width), RoundToDevice((1 - fy1) * resolution.height)};
  if (inset) viewport = {viewport.x0 + 1, viewport.y0 + 1, viewport.x1 - 1, viewport.y1 - 1};
  list_.Add(RecordCode::Window, {static_cast<long double>(viewport.x0), static_cast<long double>(viewport.y0),
                                 static_cast<long double>(viewport.x1), static_cast<long double>(viewport.y1), wx1,
                                 wy1, wx2, wy2});
  state_.keepAspect = keepAspect;
  if (ApplyWorldWindow(viewport, {wx1, wy1, wx2, wy2})) ResetZoom();
}

bool GraphWindow::ApplyWorldWindow(const IntRect& viewport, const WorldWindow& world) {
  if (!world.HasArea()) {
    context_.state.cancel = true;
    return false;
  }
  state_.viewport = viewport;
  state_.world = world;
  return true;
}

bool GraphWindow::ApplyWindowRecord(const IntRect& viewport, const WorldWindow& world) {
  if (!ApplyWorldWindow(viewport, world)) return false;
  IntRect zoom = state_.zoom;
  SetScale(zoom.x0, zoom.y0, zoom.x1, zoom.y1);
  return true;
}

void GraphWindow::Header(long double x1, long double y1, long double x2, long double y2) {
  SetWindow(true, true, 0, 0, 1, 1, x1, y1, x2, y2);
  SetLineStyle(kSolidLine);
  SaveLimit();
}

void GraphWindow::SaveLimit() { state_.savedLimits = state_.world; }

void GraphWindow::RestoreLimit() {
  const WorldWindow& saved = state_.savedLimits;
  SetWindow(true, true, 0, 0, 1, 1, saved.xmin, saved.ymin, saved.xmax, saved.ymax);
}

void GraphWindow::ReSetWindow() {
  SetWindow(false, false, 0, 0, 1, 1, 0, 0, 1, 1);
  ResetZoom();
}

void GraphWindow::SetScale(int zx0, int zy0, int zx1, int zy1) {
  const IntRect& viewport = state_.viewport;
  if (zx1 == zx0 || zy1 == zy0 || viewport.x1 == viewport.x0 || viewport.y1 == viewport.y0) return;
  state_.zoom = {zx0, zy0, zx1, zy1};
  const WorldWindow& world = state_.world;
  auto worldX = [&](int z) { return WorldAt(z, viewport.x0, viewport.x1, world.xmin, world.xmax); };
  auto worldY = [&](int z) { return WorldAt(z, viewport.y0, viewport.y1, world.ymin, world.ymax); };
  state_.originX = worldX(zx0);
  state_.originY = worldY(zy0);
  state_.sx = (viewport.x1 - viewport.x0) / (worldX(zx1) - state_.originX);
  state_.sy = (viewport.y1 - viewport.y0) / (worldY(zy1) - state_.originY);
  if (!state_.keepAspect) return;
  long double k = AspectOf(ResolutionOf(context_.config));
  if (state_.sx >= k * state_.sy)
    state_.sx = k * state_.sy;
  else
    state_.sy = state_.sx / k;
}

void GraphWindow::ResetZoom() {
  IntRect viewport = state_.viewport;
  SetScale(viewport.x0, viewport.y0, viewport.x1, viewport.y1);
}

void GraphWindow::ClearViewPort() {
  host_.SetWaitCursor(true);
  host_.RequestRepaint();
  host_.ShowWindow();
}

void GraphWindow::circle(long double x, long double y, long double r) { list_.Add(RecordCode::Circle, {x, y, r}); }

void GraphWindow::line(long double x1, long double y1, long double x2, long double y2) {
  list_.Add(RecordCode::Line, {x1, y1, x2, y2});
}

void GraphWindow::Rectangle(long double x1, long double y1, long double x2, long double y2) {
  line(x1, y1, x2, y1);
  line(x2, y1, x2, y2);
  line(x2, y2, x1, y2);
  line(x1, y2, x1, y1);
}

void GraphWindow::Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) {
  long double xs = x + r * std::cos(DegToRad(startAngle));
  long double ys = y + r * std::sin(DegToRad(startAngle));
  long double xe = x + r * std::cos(DegToRad(endAngle));
  long double ye = y + r * std::sin(DegToRad(endAngle));
  if (SweepDeg(startAngle, endAngle) < kShortArcDegrees)
    line(xs, ys, xe, ye);
  else
    list_.Add(RecordCode::Arc, {x - r, y - r, x + r, y + r, xs, ys, xe, ye});
}

void GraphWindow::OutTextXY(const std::string& text, long double x, long double y) { list_.AddText(x, y, text); }

void GraphWindow::Solid(long double x1, long double y1, long double x2, long double y2, long double x3,
                        long double y3, long double x4, long double y4) {
  list_.Add(RecordCode::Solid, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void GraphWindow::SetColor(int colour) {
  if (colour > kMaxColour || colour == lastColour_) return;
  list_.Add(RecordCode::Colour, {static_cast<long double>(colour)});
  lastColour_ = colour;
}

void GraphWindow::SetColorAcad(int aci) { SetColor(GetColorTurbo(aci)); }

void GraphWindow::SetLineStyle(int style) {
  if (style == lastStyle_) return;
  list_.Add(RecordCode::LineStyle, {static_cast<long double>(style)});
  lastStyle_ = style;
}

void GraphWindow::SetLineStyleName(const std::string& name) { SetLineStyle(LineStyleForName(name)); }

void GraphWindow::SetLineWidth(int width) {
  if (width == lastWidth_) return;
  list_.Add(RecordCode::LineWidth, {static_cast<long double>(width)});
  lastWidth_ = width;
}

void GraphWindow::SetTextStyle(int font, long double angle, long double height, long double width) {
  list_.Add(RecordCode::TextStyle, {height, width, static_cast<long double>(font), angle});
}

void GraphWindow::SleepMs(int milliseconds) {
  list_.Add(RecordCode::Sleep, {static_cast<long double>(milliseconds)});
}

void GraphWindow::MoveTo(long double x, long double y) {
  DeviceMapping mapping(state_);
  host_.DirectCanvas().MoveTo(mapping.X(x), mapping.Y(y));
}

void GraphWindow::LineTo(long double x, long double y) {
  DeviceMapping mapping(state_);
  host_.DirectCanvas().LineTo(mapping.X(x), mapping.Y(y));
}

void GraphWindow::DrawRectangle(int x0, int y0, int x1, int y1) {
  Canvas& canvas = host_.DirectCanvas();
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y0);
  canvas.LineTo(x1, y1);
  canvas.LineTo(x0, y1);
  canvas.LineTo(x0, y0);
}

long double GraphWindow::EinX(long double fraction) const { return fraction * (state_.world.xmax - state_.world.xmin); }

long double GraphWindow::EinY(long double fraction) const { return fraction * (state_.world.ymax - state_.world.ymin); }

bool GraphWindow::GetDirection(long double angle) {
  return (angle > 45 && angle < 135) || (angle > 225 && angle < 315) || (angle > -135 && angle < -45);
}

void GraphWindow::SetWaitCursor() { host_.SetWaitCursor(true); }

void GraphWindow::SetOldCursor() { host_.SetWaitCursor(false); }

}  // namespace kalo
