// Zoom and pan of the graphics window by keys, mouse buttons and the rubber band. They
// change only the zoom rectangle and request a repaint.
#include <algorithm>
#include <cmath>

#include "context/context.h"
#include "graphics/graph_window.h"

namespace kalo {

namespace {

// Virtual key codes and the scan codes that stand for the navigation direction.
constexpr int kKeyEscape = 27, kKeyF5 = 116, kKeyPageUp = 33, kKeyPageDown = 34;
constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
constexpr int kKeyPlus = 107, kKeyMinus = 109;
constexpr int kDirectionReset = 63, kDirectionPageUp = 73, kDirectionPageDown = 81;
constexpr int kDirectionLeft = 75, kDirectionUp = 72, kDirectionRight = 77, kDirectionDown = 80;
constexpr int kDirectionZoom = 32;
constexpr int kPageSteps = 5;

}  // namespace

void GraphWindow::processKey(int virtualKey) {
  switch (virtualKey) {
    case kKeyEscape:
    case kKeyF5:
      ResetZoom();
      StoreNavigation(0, kDirectionReset);
      break;
    case kKeyPageUp: StoreNavigation(0, kDirectionPageUp); break;
    case kKeyPageDown: StoreNavigation(0, kDirectionPageDown); break;
    case kKeyLeft: StoreNavigation(0, kDirectionLeft); break;
    case kKeyUp: StoreNavigation(0, kDirectionUp); break;
    case kKeyRight: StoreNavigation(0, kDirectionRight); break;
    case kKeyDown: StoreNavigation(0, kDirectionDown); break;
    case kKeyPlus: StoreNavigation('+', kDirectionZoom); break;
    case kKeyMinus: StoreNavigation('-', kDirectionZoom); break;
    default: return;  // other keys (Shift, letters) neither repeat the last step nor repaint
  }
  CarryOutNavigation();
}

void GraphWindow::StoreNavigation(int action, int direction) {
  navigationAction_ = action;
  navigationDirection_ = direction;
  ClearViewPort();
}

void GraphWindow::CarryOutNavigation() {
  const IntRect& zoom = state_.zoom;
  long double pan = context_.config.panFactor;
  int dx = RoundToDevice(pan * (zoom.x1 - zoom.x0));
  int dy = RoundToDevice(pan * (zoom.y1 - zoom.y0));
  int pageStep = RoundToDevice(kPageSteps * pan * (zoom.y1 - zoom.y0));
  if (navigationAction_ != 0) return Zoom(navigationAction_ == '+');
  switch (navigationDirection_) {
    case kDirectionLeft: return Pan(dx, 0);
    case kDirectionRight: return Pan(-dx, 0);
    case kDirectionUp: return Pan(0, -dy);
    case kDirectionDown: return Pan(0, dy);
    case kDirectionPageUp: return Pan(0, -pageStep);
    case kDirectionPageDown: return Pan(0, pageStep);
    default: return;
  }
}

void GraphWindow::Pan(int dx, int dy) {
  const IntRect& zoom = state_.zoom;
  SetScale(zoom.x0 + dx, zoom.y0 + dy, zoom.x1 + dx, zoom.y1 + dy);
}

void GraphWindow::Zoom(bool in) {
  const IntRect& zoom = state_.zoom;
  long double z = context_.config.zoomFactor;
  auto halfSpan = [&](int span) { return RoundToDevice(in ? span / z : span * z) / 2; };
  int cx = (zoom.x0 + zoom.x1) / 2;
  int cy = (zoom.y0 + zoom.y1) / 2;
  int hw = halfSpan(zoom.x1 - zoom.x0);
  int hh = halfSpan(zoom.y1 - zoom.y0);
  SetScale(cx - hw, cy - hh, cx + hw, cy + hh);
}

void GraphWindow::FormDblClick() { doubleClick_ = true; }

void GraphWindow::FormMouseDown(MouseButton button, int x, int y) {
  if (button == MouseButton::Right) {
    ResetZoom();
    ClearViewPort();
  } else if (button == MouseButton::Left && doubleClick_) {
    RestoreLimit();
    ResetZoom();
    ReSetWindow();
    ClearViewPort();
  } else if (button == MouseButton::Left && !rubberBand_) {
    rubberBand_ = true;
    rubberBandShown_ = false;
    bandStart_ = bandEnd_ = {x, y};
  }
  doubleClick_ = false;
}

void GraphWindow::DrawRubberBand() {
  host_.DirectCanvas().SetPen({kBlack, PenStyle::Solid, 1, PenMode::Not});
  DrawRectangle(bandStart_.x, bandStart_.y, bandEnd_.x, bandEnd_.y);
  host_.DirectCanvas().SetPen({kBlack, PenStyle::Solid, 1, PenMode::Copy});
  rubberBandShown_ = !rubberBandShown_;
}

void GraphWindow::FormMouseMove(int x, int y) {
  if (!rubberBand_) return;
  if (rubberBandShown_) DrawRubberBand();  // drawn again in "not" mode it disappears
  bandEnd_ = {x, y};
  DrawRubberBand();
}

void GraphWindow::FormMouseUp(int x, int y) {
  if (!rubberBand_) return;
  if (rubberBandShown_) DrawRubberBand();
  bandEnd_ = {x, y};
  rubberBand_ = false;
  if (bandStart_.x == bandEnd_.x || bandStart_.y == bandEnd_.y) return;
  ZoomToRubberBand();
}

void GraphWindow::ZoomToRubberBand() {
  // The world rectangle under the band, by the mapping the picture was drawn with.
  const GraphicsState& s = state_;
  const IntRect& viewport = s.viewport;
  auto worldX = [&](int pixel) { return s.originX + (pixel - viewport.x0) / s.sx; };
  auto worldY = [&](int pixel) { return s.originY + (viewport.y1 - pixel) / s.sy; };
  long double x0 = worldX(std::min(bandStart_.x, bandEnd_.x)), x1 = worldX(std::max(bandStart_.x, bandEnd_.x));
  long double y0 = worldY(std::max(bandStart_.y, bandEnd_.y)), y1 = worldY(std::min(bandStart_.y, bandEnd_.y));
  long double width = viewport.x1 - viewport.x0, height = viewport.y1 - viewport.y0;
  if (s.keepAspect) {
    // A picture that keeps its proportions shows more than the band along one side: the band
    // stays in the middle.
    long double k = AspectOf(ResolutionOf(context_.config));
    long double sx = width / (x1 - x0), sy = height / (y1 - y0);
    auto widen = [](long double& from, long double& to, long double span) {
      long double middle = (from + to) / 2;
      from = middle - span / 2;
      to = middle + span / 2;
    };
    if (sx > k * sy)
      widen(x0, x1, width / (k * sy));
    else
      widen(y0, y1, height * k / sx);
  }
  // Zoom coordinates run over the viewport as the world window runs over the world.
  const WorldWindow& world = s.world;
  auto zoomX = [&](long double x) {
    return RoundToDevice(static_cast<double>(viewport.x0 + (x - world.xmin) / (world.xmax - world.xmin) * width));
  };
  auto zoomY = [&](long double y) {
    return RoundToDevice(static_cast<double>(viewport.y0 + (y - world.ymin) / (world.ymax - world.ymin) * height));
  };
  SetWaitCursor();
  SetScale(zoomX(x0), zoomY(y0), zoomX(x1), zoomY(y1));
  ClearViewPort();
}

}  // namespace kalo
