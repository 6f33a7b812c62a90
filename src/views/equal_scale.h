#pragma once
// Equal scales on both axes of a diagram, so that a circle of the data stays a circle.
#include "context/diagram_state.h"
#include "geometry/plane_geometry.h"

namespace kalo {

// Makes a data unit as long on the x axis as on the y axis of an area width x height. The
// axis that needs the smaller scale keeps its limits and fills its side of the area; the
// other takes its step, so that the grid cells are square, and grows to the same scale:
// from 0 on when it starts at 0 (a section keeps its axis of rotation as the lower edge),
// else about the middle of the values asked for, with its limits on whole steps as long as
// these still show all of those values.
void EqualizeScales(const DiagramLimits& asked, long double width, long double height, AxisScale& x, AxisScale& y);

}  // namespace kalo
