#include "views/equal_scale.h"

#include <algorithm>
#include <cmath>

namespace kalo {
namespace {

// The scale grown to span with the given step, still showing low..high.
void Widen(AxisScale& scale, long double span, long double step, long double low, long double high) {
  scale.step = step;
  if (scale.lo == 0) {
    scale.hi = span;
    return;
  }
  long double lo = step * std::nearbyint(((low + high) / 2 - span / 2) / step);
  lo = std::max(std::min(lo, low), high - span);
  scale.lo = lo;
  scale.hi = lo + span;
}

}  // namespace

void EqualizeScales(const DiagramLimits& asked, long double width, long double height, AxisScale& x, AxisScale& y) {
  long double dx = x.hi - x.lo, dy = y.hi - y.lo;
  if (!(dx > 0 && dy > 0 && width > 0 && height > 0)) return;
  // Drawing units per data unit: width / dx on x, height / dy on y.
  if (width * dy > height * dx)
    Widen(x, dy * width / height, y.step, std::min(asked.xmin, asked.xmax), std::max(asked.xmin, asked.xmax));
  else if (width * dy < height * dx)
    Widen(y, dx * height / width, x.step, std::min(asked.ymin, asked.ymax), std::max(asked.ymin, asked.ymax));
}

}  // namespace kalo
