#pragma once
// World coordinates to device pixels on the screen and, during printing, on the printer
// page. The mapping follows the graphics state as window records change it.
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

  int X(long double x) const;
  int Y(long double y) const;
  DevicePoint Point(long double x, long double y) const { return {X(x), Y(y)}; }
  // A world length along x or y in pixels.
  int LengthX(long double length) const;
  int LengthY(long double length) const;

 private:
  const GraphicsState& state_;
  bool printer_ = false;
  int offsetX_ = 0;
  int offsetY_ = 0;
  long double factorX_ = 1;  // printer pixels per client pixel
  long double factorY_ = 1;
};

}  // namespace kalo
