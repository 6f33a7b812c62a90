#pragma once
// World coordinates to device pixels on the screen and, during printing, on the printer
// page, for the graphics state at the time it was made or last followed.
#include "graphics/graphics_state.h"
#include "platform/canvas.h"

namespace kalo {

// The printer pass of a paint: the page canvas and its printable size in pixels.
struct PrinterPage {
  Canvas& canvas;
  int width = 0;
  int height = 0;
};

class DeviceMapping {
 public:
  // The window's client area.
  explicit DeviceMapping(const GraphicsState& state);
  // The printer page: the client area stretched over the page by the print scales and
  // moved by the print origin (millimetres of a 210 mm wide page).
  DeviceMapping(const GraphicsState& state, const PrinterPage& page, const Configuration& config);

  // Takes over a changed viewport, world window or zoom.
  void Follow(const GraphicsState& state);

  int X(long double x) const;
  int Y(long double y) const;
  DevicePoint Point(long double x, long double y) const { return {X(x), Y(y)}; }
  // A world length along x or y in pixels.
  int LengthX(long double length) const;
  int LengthY(long double length) const;

 private:
  // Doubles keep far more than the pixel's precision and map much faster.
  double originX_ = 0;
  double originY_ = 0;
  double sx_ = 1;
  double sy_ = 1;
  int left_ = 0;    // viewport x0
  int bottom_ = 0;  // viewport y1
  bool printer_ = false;
  int offsetX_ = 0;
  int offsetY_ = 0;
  double factorX_ = 1;  // printer pixels per client pixel
  double factorY_ = 1;
};

}  // namespace kalo
