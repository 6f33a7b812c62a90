#pragma once
// The half-section of a body of revolution as KALO's contour: the solid cut by a half-plane
// through its axis, the cut's outline taken as lines and circular arcs (other curves
// approximated by arcs), the axis as x and the distance from it as y.
#include <TopoDS_Shape.hxx>
#include <gp_Ax1.hxx>
#include <string>
#include <vector>

#include "messages/outcome.h"
#include "model/contour.h"

namespace kalo {

// Curves that are neither lines nor circles are replaced by arcs no farther from them.
inline constexpr double kArcApproximation = 0.001;  // mm

// The contour, counter-clockwise, ending with a straight segment back to its first point;
// a failure names the reason (code page 850) when the cut gives none.
Outcome SectionContour(const TopoDS_Shape& solid, const gp_Ax1& axis, std::vector<ContourElement>& elements);

}  // namespace kalo
