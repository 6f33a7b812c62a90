#pragma once
// Contour elements from the points of a closed loop of a drawing.
#include <vector>

#include "dxf/dxf_curves.h"

namespace kalo {

// The elements of the contour that the closed loop (its last point's phi leads back to the
// first point) describes for the calculation:
// - segments shorter than the tolerance are left out;
// - the body lies above the axis: a loop drawn below it is mirrored, and where a loop
//   reaches below the axis (a full section, a circle about the axis) that part is
//   replaced by the axis between the points where the loop crosses it;
// - the elements run counter-clockwise, as in the shipped examples, so that area and
//   moments come out positive; element 1 stays element 1;
// - a loop that closes with an arc gets a last element on top of element 1, because a
//   contour closes with a straight segment.
std::vector<DxfVertex> ContourElementsOf(const std::vector<DxfVertex>& loop, long double tolerance);

}  // namespace kalo
