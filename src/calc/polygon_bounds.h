#pragma once
// The extremes of the calculation polygon.
#include "model/contour.h"

namespace kalo {

// Scans points 1..count with strict comparisons against the six-byte extremes (the first
// extreme point wins); a zero extent is widened to 1 mm.
void FindBounds(const ContourPolygon& polygon, Bounds& bounds);

}  // namespace kalo
