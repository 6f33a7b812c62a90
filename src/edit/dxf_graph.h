#pragma once
// The open curves of a drawing as a graph: their ends are the nodes, joined where they lie
// within the tolerance of each other, and every curve is an edge between its two ends.
#include <cstddef>
#include <vector>

#include "dxf/dxf_curves.h"
#include "geometry/plane_point.h"

namespace kalo {

struct DxfEdge {
  size_t curve = 0;
  int from = 0;  // node of the curve's first point
  int to = 0;    // node of its last point
  bool removed = false;
};

struct DxfGraph {
  std::vector<PlanePoint> nodes;
  std::vector<DxfEdge> edges;
  std::vector<std::vector<int>> incident;  // edges at each node
  // Open curves whose ends meet: closed on their own.
  std::vector<size_t> selfClosed;

  int Other(int edge, int node) const { return edges[edge].from == node ? edges[edge].to : edges[edge].from; }
  int Degree(int node) const;
};

// The graph of the given open curves. A curve that shrinks to a point is left out, and so is
// a curve that runs the same course as one before it (drawn twice).
DxfGraph BuildGraph(const std::vector<DxfCurve>& curves, const std::vector<size_t>& openCurves,
                    long double tolerance);
// Removes every edge that lies on no cycle: loose ends, again and again, and bridges
// between cycles. What is left are cycles and groups of cycles that share points.
void KeepCycleEdges(DxfGraph& graph);

}  // namespace kalo
