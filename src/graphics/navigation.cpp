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
  ClientSize client = host_.ClientArea();
  if (client.width <= 0 || client.height <= 0) return;
  const IntRect& zoom = state_.zoom;
  long double d = zoom.x1 - zoom.x0;
  long double e = zoom.y1 - zoom.y0;
  long double g = state_.keepAspect ? state_.aspectCompensation : 1;
  auto zoomX = [&](int pixel) {
    return RoundToDevice(static_cast<long double>(pixel) / client.width * d * g + zoom.x0 * g);
  };
  auto zoomY = [&](int pixel) {
    return RoundToDevice(static_cast<long double>(client.height - pixel) / client.height * e + zoom.y0);
  };
  int nx0 = zoomX(std::min(bandStart_.x, bandEnd_.x));
  int nx1 = zoomX(std::max(bandStart_.x, bandEnd_.x));
  int ny0 = zoomY(std::max(bandStart_.y, bandEnd_.y));
  int ny1 = zoomY(std::min(bandStart_.y, bandEnd_.y));
  SetWaitCursor();
  SetScale(nx0, ny0, nx1, ny1);
  ClearViewPort();
}

}  // namespace kalo
