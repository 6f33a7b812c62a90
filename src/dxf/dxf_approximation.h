#pragma once
// Curves without a form as contour elements (splines, ellipses, arcs scaled unevenly)
// followed by arcs and lines.
#include <functional>
#include <vector>

#include "dxf/dxf_curves.h"
#include "geometry/plane_point.h"

namespace kalo {

using CurvePoint = std::function<PlanePoint(long double)>;

// Points with arc angles (as contour elements hold them) from point(breaks.front()) to
// point(breaks.back()), the last with phi 0: every piece is the arc (or line) through the
// curve's points at its ends and middle, halved until the curve keeps within the tolerance
// of it. Breaks are parameters where the curve may bend sharply (knots, quadrants); the
// pieces never span one. Stops halving once maxElements pieces are made.
std::vector<DxfVertex> ArcsAlong(const CurvePoint& point, const std::vector<long double>& breaks,
                                 long double tolerance, size_t maxElements);

}  // namespace kalo
