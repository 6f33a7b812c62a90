#pragma once
// The curves of a DXF drawing that a contour can be made of, as plain records: every
// curve is a run of points, each with the arc angle of the segment to the next point, as
// the contour elements hold them.
#include <cstddef>
#include <string>
#include <vector>

namespace kalo {

enum class DxfCurveKind { Line, Arc, Circle, Polyline, Spline, Ellipse };

struct DxfVertex {
  long double x = 0;
  long double y = 0;
  long double phi = 0;  // radians, counter-clockwise positive, 0 = straight
};

struct DxfCurve {
  DxfCurveKind kind = DxfCurveKind::Line;
  std::string layer;  // code page 850
  // In drawing order, in mm. A closed curve's last phi leads back to its first point; an
  // open curve's last phi is 0.
  std::vector<DxfVertex> vertices;
  bool closed = false;
  std::string linetype;  // its own, else its layer's, in upper case; empty when neither names one
  long line = 0;         // where the entity stands in the file
  // A spline or ellipse followed by arcs and lines within the approximation tolerance.
  bool approximated = false;
};
// The value with its sign turned, an arc angle for the other direction or a mirrored
// coordinate; 0 stays 0 and never becomes -0, which files would show as "-0.000".
inline long double Negated(long double value) { return value == 0 ? 0 : -value; }
// The curve run backwards: the points in reverse order, every arc turning the other way.
std::vector<DxfVertex> Reversed(const std::vector<DxfVertex>& vertices);

}  // namespace kalo
