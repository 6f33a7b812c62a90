#pragma once
// World coordinates to device pixels on the screen and, during printing, on the printer
// page, for the graphics state at the time it was made or last followed.
#include <optional>

#include "graphics/graphics_state.h"
#include "graphics/page_mapping.h"
#include "platform/canvas.h"

namespace kalo {

// The printer pass of a paint: the page canvas, its printable size in pixels and the
// print settings that place the picture on it.
struct PrinterPage {
  Canvas& canvas;
  int width = 0;
  int height = 0;
  PrintSettings settings;
};

class DeviceMapping {
 public:
  // The window's client area.
  explicit DeviceMapping(const GraphicsState& state);
  // The printer page: the client area placed on the page by the print settings.
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
  std::optional<PageMapping> page_;  // client pixels to printer pixels while printing
};

}  // namespace kalo
