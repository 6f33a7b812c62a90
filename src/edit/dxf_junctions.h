#pragma once
// Lines that run on past a corner or meet another line mid-way (untrimmed outlines, an axis
// line drawn longer than the contour, T-junctions) are cut where others meet or cross them,
// so that the pieces can be chained.
#include <cstddef>
#include <vector>

#include "dxf/dxf_curves.h"

namespace kalo {

struct DxfSplitCurves {
  // The selected curves in their order, a cut LINE replaced by its pieces in its place.
  std::vector<DxfCurve> curves;
  std::vector<size_t> selected;  // all of them: 0 .. curves.size() - 1
  size_t cuts = 0;               // how many cuts were made
};

// Cuts the selected LINE curves where another selected LINE crosses them and where an end of
// another selected open curve lies on them, farther than the tolerance from their ends.
DxfSplitCurves SplitAtJunctions(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected,
                                long double tolerance);

}  // namespace kalo
