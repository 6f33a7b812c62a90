#pragma once
// The area integrals of the half-section, element by element: each element contributes the
// boundary from its point to the next one (the last one closes back to element 1).
#include <vector>

#include "calc/region_integrals.h"
#include "model/contour.h"

namespace kalo {

class MessageCollection;
struct NumberFormat;

enum class ArcModel {
  Chords,  // every arc replaced by the chords of the calculation polygon
  Exact,   // the true circular arcs
};

// The sum over all elements; counter-clockwise contours give positive areas. Unless
// elements is null, (*elements)[i - 1] receives the contribution of element i. Degenerate
// arcs are reported by the chords only (the calculation builds them in either model).
RegionIntegrals ContourIntegrals(const Contour& contour, long double arcDivisionDegrees, ArcModel model,
                                 MessageCollection& messages, const NumberFormat& format,
                                 std::vector<RegionIntegrals>* elements = nullptr);

// What the calculation needs over the true arcs, quickly: the section integrals and Y3;
// X2Y and Yds are left 0.
RegionIntegrals ExactSectionIntegrals(const Contour& contour);

// The sum over the segments of a calculation polygon, without the split by element.
RegionIntegrals PolygonIntegrals(const ContourPolygon& polygon);

}  // namespace kalo
