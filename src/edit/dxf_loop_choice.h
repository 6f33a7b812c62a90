#pragma once
// The contours a drawing offers: one for each closed loop, about its own axis, the likeliest
// first, with what the choice shows.
#include <optional>
#include <string>
#include <vector>

#include "dxf/dxf_curves.h"
#include "dxf/dxf_geometry.h"
#include "edit/dxf_axis.h"
#include "edit/dxf_chains.h"

namespace kalo {

struct DxfContourCandidate {
  std::vector<DxfVertex> elements;  // as ContourElementsOf gives them about the axis
  long double area = 0;             // mm²
  std::string layer;                // of the loop's first curve in the file
  DxfLoop loop;
  DxfAxis axis;
  // Elements that follow splines and ellipses (or unevenly scaled arcs) of the loop.
  size_t approximatedElements = 0;
};

// What decides between loops besides their shape.
struct DxfCandidateRules {
  std::vector<DxfCentreLine> centreLines;
  std::optional<DxfAxisChoice> stated;
  Box drawing;  // around every curve of the drawing
  bool ownLayer = false;  // the loops lie on the program's contour layer
};

// One candidate per loop: loops at their axis (touching it or symmetric about it) first, then
// the others, each group largest area first (equal areas in file order). Frames and title
// blocks are no candidates: loops on layers named for them, and rectangles round the whole
// drawing. A loop that only traces another one (all its points on the other's outline, about
// the same area and more elements, as the chord outline that hatching draws round an
// outline) is left out.
std::vector<DxfContourCandidate> ContourCandidates(const std::vector<DxfCurve>& curves,
                                                   const std::vector<DxfLoop>& loops, long double tolerance,
                                                   const DxfCandidateRules& rules);

// The contour elements of the loop about the axis.
std::vector<DxfVertex> ElementsOnAxis(const std::vector<DxfCurve>& curves, const DxfLoop& loop, const DxfAxis& axis,
                                      long double tolerance);

}  // namespace kalo
