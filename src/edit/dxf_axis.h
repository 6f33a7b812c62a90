#pragma once
// Where the body's axis lies in a drawing, and the loop moved and turned so that it becomes
// the x axis.
#include <optional>
#include <string>
#include <vector>

#include "dxf/dxf_curves.h"
#include "geometry/plane_point.h"

namespace kalo {

// Which line of the drawing is the body's axis, when the user says so: the line through two
// points, in the drawing's own unit. The contour is moved and turned so that it becomes the
// x axis, running from the first point towards the second.
struct DxfAxisChoice {
  PlanePoint from;
  PlanePoint to{1, 0};
  static DxfAxisChoice X() { return {}; }                  // the drawing's x axis (y = 0)
  static DxfAxisChoice Y() { return {{0, 0}, {0, 1}}; }    // the drawing's y axis (x = 0)
  bool operator==(const DxfAxisChoice&) const = default;
};

// A line drawn as a centre line: dash-dot line type, or a layer named for it.
struct DxfCentreLine {
  PlanePoint from, to;
  std::string layer;
  long line = 0;
};

// The centre lines among the curves: straight lines whose line type (CENTER, DASHDOT,
// STRICHPUNKT, ...) or layer name (Mittellinie, Achse, center, axis, ...) says so.
std::vector<DxfCentreLine> CentreLinesOf(const std::vector<DxfCurve>& curves);

struct DxfAxis {
  PlanePoint origin;      // a point of the axis in the drawing
  long double angle = 0;  // of the axis in the drawing, radians; the loop is turned by -angle
  // The loop lies on the axis or is symmetric about it: the likeliest contour.
  bool atAxis = false;
  std::string note;  // which rule decided, for the messages (code page 850)
};

// The axis for the loop (points with arc angles as a closed run), in this order: the axis
// the user stated; a long centre line that the loop touches, is symmetric about or lies
// beside; y = 0 when the loop has an edge on it or reaches across it, or when it lies on the
// program's own contour layer (drawn as the program draws contours); x = 0 when the loop
// has an edge on it (a profile drawn about the drawing's y axis); the line of symmetry of a
// full section (a loop symmetric about one horizontal or vertical line only); otherwise y = 0.
DxfAxis FindAxis(const std::vector<DxfVertex>& loop, const std::vector<DxfCentreLine>& centreLines,
                 long double tolerance, std::optional<DxfAxisChoice> stated, bool ownLayer);

// The loop moved and turned so that the axis is the x axis and the loop lies above it where
// it lies on one side.
std::vector<DxfVertex> OnAxis(const std::vector<DxfVertex>& loop, const DxfAxis& axis);

}  // namespace kalo
