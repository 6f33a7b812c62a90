#pragma once
// The contours a drawing offers: one for each closed loop, with what the choice shows.
#include <string>
#include <vector>

#include "edit/dxf_chains.h"
#include "dxf/dxf_curves.h"

namespace kalo {

struct DxfContourCandidate {
  std::vector<DxfVertex> elements;  // as ContourElementsOf gives them
  long double area = 0;             // mm²
  std::string layer;                // of the loop's first curve in the file
  DxfLoop loop;
  // Elements that follow splines and ellipses (or unevenly scaled arcs) of the loop.
  size_t approximatedElements = 0;
};

// One candidate per loop, the largest area first (equal areas in file order). A loop that
// only traces another one (all its points on the other's outline, about the same area and
// more elements, as the chord outline that hatching draws round an outline) is left out.
std::vector<DxfContourCandidate> ContourCandidates(const std::vector<DxfCurve>& curves,
                                                   const std::vector<DxfLoop>& loops, long double tolerance);

}  // namespace kalo
