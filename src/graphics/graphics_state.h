#pragma once
// The mapping state of the graphics window: viewport, world window, zoom rectangle and
// the scale that follows from them.
#include "context/configuration.h"

namespace kalo {

// Device pixels (viewport) or viewport units (zoom rectangle): left, top, right, bottom.
struct IntRect {
  int x0 = 0;
  int y0 = 0;
  int x1 = 1;
  int y1 = 1;
  friend bool operator==(const IntRect&, const IntRect&) = default;
};

struct WorldWindow {
  long double xmin = 0;
  long double ymin = 0;
  long double xmax = 1;
  long double ymax = 1;
  bool HasArea() const { return xmax != xmin && ymax != ymin; }
};

struct GraphicsState {
  IntRect viewport;
  WorldWindow world;
  WorldWindow savedLimits;
  // The part of the viewport shown: zoom.x0 stands for xmin at viewport.x0, zoom.y0 for
  // ymin at viewport.y0 (this y runs upward).
  IntRect zoom;
  long double originX = 0;  // world x at the left edge of the viewport
  long double originY = 0;  // world y at the bottom edge
  long double sx = 1;       // pixels per world unit
  long double sy = 1;
  bool keepAspect = false;
};

// W and H: the configured client size minus 1, at least 1 pixel.
struct Resolution {
  int width = 1;
  int height = 1;
};
Resolution ResolutionOf(const Configuration& config);
// The ratio of the pixels per unit along x to those along y that keeps a picture's
// proportions: 1 for every 4:3 client area.
long double AspectOf(const Resolution& resolution);

// Nearest integer, halves to the even neighbour; far-off values are held to a range that
// every device accepts.
int RoundToDevice(double value);

}  // namespace kalo
