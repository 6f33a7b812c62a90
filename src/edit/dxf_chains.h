#pragma once
// Joins the curves of a drawing end to end into closed loops.
#include <cstddef>
#include <vector>

#include "dxf/dxf_curves.h"
#include "geometry/plane_point.h"

namespace kalo {

// One curve of a loop, run forwards or backwards.
struct DxfCurveUse {
  size_t curve = 0;
  bool reversed = false;
};

// The curves of a closed loop in the order of travel: each starts where the one before it
// ends, and the last ends where the first starts. A closed curve is a loop on its own.
using DxfLoop = std::vector<DxfCurveUse>;

struct DxfChaining {
  std::vector<DxfLoop> loops;
  // Without a loop: the two open ends of the longest chain (the gap that keeps it open),
  // when there is a chain at all.
  bool openChain = false;
  PlanePoint openFrom;
  PlanePoint openTo;
  // Some curve end meets no other: only then can closing small gaps change the loops.
  bool looseEnds = false;
};

// Closed curves are loops of their own; open curves are joined where their ends lie within
// the tolerance of each other. Curves that belong to no loop (loose lines, dimension and
// centre lines, the ends of an open chain) are left out. Where loops share points, the
// outline around all of them is one loop.
DxfChaining ChainCurves(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected,
                        long double tolerance);

// The loop begun at its first curve in file order, run in that curve's direction.
DxfLoop InFileOrder(const DxfLoop& loop);
// The points of a loop, its first curve's first point first; the last point's phi leads
// back to the first.
std::vector<DxfVertex> LoopVertices(const std::vector<DxfCurve>& curves, const DxfLoop& loop);

}  // namespace kalo
