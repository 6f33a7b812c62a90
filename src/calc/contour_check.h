#pragma once
// Checks of the contour that warn about what gives surprising results without refusing
// anything: points below the axis of rotation, an outline that crosses itself, a clockwise
// outline. They run after every change in the element list, so they are quick.
#include <string>
#include <vector>

#include "model/contour.h"

namespace kalo {

struct ContourFindings {
  // Elements whose point lies below the axis (y < 0) or whose arc passes below it.
  std::vector<int> belowAxis;
  // Two elements whose segments cross (first <= second); 0 when the outline is simple.
  int crossingFirst = 0;
  int crossingSecond = 0;
  // The enclosed area is negative.
  bool clockwise = false;

  bool Any() const { return !belowAxis.empty() || crossingFirst != 0 || clockwise; }
};

// Checks the closed outline much as the calculation sees it: every arc as chords of at
// most arcDivisionDegrees (no more chords than the calculation polygon holds), and a
// straight segment from the last element back to the first.
// Segments of no length are left out, so neighbours meet at one point. A contour that only
// touches itself (a slit cut in and out along the same line) is not reported. Fewer than
// two elements give no findings.
// maxPoints bounds the outline (at least the calculation polygon's size).
ContourFindings CheckContour(const Contour& contour, long double arcDivisionDegrees,
                             int maxPoints = kMaxPolygonIndex);

// One warning per finding, code page 850, short enough for a status line.
std::vector<std::string> ContourWarnings(const ContourFindings& findings);

}  // namespace kalo
