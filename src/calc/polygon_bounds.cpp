#include "calc/polygon_bounds.h"

namespace kalo {

void FindBounds(const ContourPolygon& polygon, Bounds& bounds) {
  constexpr long double kFar = 1.0E32L;
  bounds.xmax = -kFar;
  bounds.ymax = -kFar;
  bounds.xmin = kFar;
  bounds.ymin = kFar;
  for (int p = 1; p <= polygon.count; ++p) {
    const PolygonPoint& point = polygon.points[static_cast<size_t>(p)];
    auto index = static_cast<uint16_t>(p);
    if (point.x > bounds.xmax) {
      bounds.xmax = point.x;
      bounds.xmaxIndex = index;
    }
    if (point.x < bounds.xmin) {
      bounds.xmin = point.x;
      bounds.xminIndex = index;
    }
    if (point.y > bounds.ymax) bounds.ymax = point.y;
    if (point.y < bounds.ymin) bounds.ymin = point.y;
  }
  if (bounds.xmin == bounds.xmax) bounds.xmax = bounds.xmin + 1;
  if (bounds.ymin == bounds.ymax) bounds.ymax = bounds.ymin + 1;
  bounds.length = bounds.xmax - bounds.xmin;
  bounds.height = bounds.ymax - bounds.ymin;
}

}  // namespace kalo
