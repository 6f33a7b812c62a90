#pragma once
// A point of the drawing plane in extended precision (mm): contour polygon points, geometry
// results and CAD corners are all this one type.

namespace kalo {

struct PlanePoint {
  long double x = 0;
  long double y = 0;
  bool operator==(const PlanePoint&) const = default;
};

}  // namespace kalo
