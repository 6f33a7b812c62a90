#include "edit/dxf_graph.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <utility>

#include "dxf/dxf_geometry.h"

namespace kalo {
namespace {

// Arc angles of the same curve written by two entities differ by their rounding.
constexpr long double kAngleTolerance = 1e-5L;
// Grid cells beyond this index are folded onto the edge of the grid.
constexpr long double kMaxCell = 1e18L;

// Finds the node within the tolerance of a point, or makes one. Nodes are filed in a grid
// of cells as wide as the tolerance, so only the nine cells around a point need a look.
class NodeGrid {
 public:
  NodeGrid(std::vector<PlanePoint>& nodes, long double tolerance) : nodes_(nodes), tolerance_(tolerance) {}

  // Its own cell first, where a point that meets another mostly finds it.
  int NodeAt(const DxfVertex& v) {
    Cell cell{CellOf(v.x), CellOf(v.y)};
    if (int node = NodeIn(cell, v); node >= 0) return node;
    for (long long dx = -1; dx <= 1; ++dx)
      for (long long dy = -1; dy <= 1; ++dy)
        if (dx != 0 || dy != 0)
          if (int node = NodeIn({cell.first + dx, cell.second + dy}, v); node >= 0) return node;
    nodes_.push_back({v.x, v.y});
    int node = static_cast<int>(nodes_.size() - 1);
    cells_[cell].push_back(node);
    return node;
  }

 private:
  using Cell = std::pair<long long, long long>;
  struct CellHash {
    size_t operator()(const Cell& c) const {
      return std::hash<long long>()(c.first) * 0x9E3779B97F4A7C15ULL ^ std::hash<long long>()(c.second);
    }
  };

  int NodeIn(const Cell& cell, const DxfVertex& v) const {
    auto found = cells_.find(cell);
    if (found == cells_.end()) return -1;
    for (int node : found->second) {
      long double dx = nodes_[node].x - v.x, dy = nodes_[node].y - v.y;
      if (dx * dx + dy * dy <= tolerance_ * tolerance_) return node;
    }
    return -1;
  }

  long long CellOf(long double v) const {
    return static_cast<long long>(std::floor(std::clamp(v / tolerance_, -kMaxCell, kMaxCell)));
  }

  std::vector<PlanePoint>& nodes_;
  long double tolerance_;
  std::unordered_map<Cell, std::vector<int>, CellHash> cells_;
};

bool SameCourse(const std::vector<DxfVertex>& a, const std::vector<DxfVertex>& b, long double tolerance) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Distance(a[i], b[i]) > tolerance || std::fabs(a[i].phi - b[i].phi) > kAngleTolerance) return false;
  return true;
}

bool DrawnTwice(const DxfCurve& a, const DxfCurve& b, long double tolerance) {
  return SameCourse(a.vertices, b.vertices, tolerance) || SameCourse(a.vertices, Reversed(b.vertices), tolerance);
}

void RemoveLooseEnds(DxfGraph& graph) {
  std::vector<int> degree(graph.nodes.size());
  std::vector<int> loose;
  for (size_t node = 0; node < graph.nodes.size(); ++node) {
    degree[node] = graph.Degree(static_cast<int>(node));
    if (degree[node] == 1) loose.push_back(static_cast<int>(node));
  }
  while (!loose.empty()) {
    int node = loose.back();
    loose.pop_back();
    if (degree[node] != 1) continue;
    for (int edge : graph.incident[node]) {
      if (graph.edges[edge].removed) continue;
      graph.edges[edge].removed = true;
      degree[node] = 0;
      int other = graph.Other(edge, node);
      if (--degree[other] == 1) loose.push_back(other);
      break;
    }
  }
}

// Tarjan's bridge search, depth first without recursion: an edge is a bridge when nothing
// below it reaches back above it.
void RemoveBridges(DxfGraph& graph) {
  struct Frame {
    int node;
    int parentEdge;
    size_t next;
  };
  std::vector<int> discovered(graph.nodes.size(), -1), low(graph.nodes.size(), 0);
  std::vector<int> bridges;
  int time = 0;
  for (size_t root = 0; root < graph.nodes.size(); ++root) {
    if (discovered[root] >= 0) continue;
    std::vector<Frame> stack{{static_cast<int>(root), -1, 0}};
    discovered[root] = low[root] = time++;
    while (!stack.empty()) {
      Frame& top = stack.back();
      int node = top.node;
      if (top.next < graph.incident[node].size()) {
        int edge = graph.incident[node][top.next++];
        if (graph.edges[edge].removed || edge == top.parentEdge) continue;
        int other = graph.Other(edge, node);
        if (discovered[other] < 0) {
          discovered[other] = low[other] = time++;
          stack.push_back({other, edge, 0});
        } else {
          low[node] = std::min(low[node], discovered[other]);
        }
        continue;
      }
      int parentEdge = top.parentEdge;
      stack.pop_back();
      if (stack.empty()) continue;
      int parent = stack.back().node;
      low[parent] = std::min(low[parent], low[node]);
      if (low[node] > discovered[parent]) bridges.push_back(parentEdge);
    }
  }
  for (int edge : bridges) graph.edges[edge].removed = true;
}

}  // namespace

int DxfGraph::Degree(int node) const {
  return static_cast<int>(std::count_if(incident[node].begin(), incident[node].end(),
                                        [this](int edge) { return !edges[edge].removed; }));
}

DxfGraph BuildGraph(const std::vector<DxfCurve>& curves, const std::vector<size_t>& openCurves,
                    long double tolerance) {
  DxfGraph graph;
  NodeGrid grid(graph.nodes, tolerance);
  std::map<std::pair<int, int>, std::vector<int>> between;
  for (size_t index : openCurves) {
    const std::vector<DxfVertex>& vertices = curves[index].vertices;
    int from = grid.NodeAt(vertices.front()), to = grid.NodeAt(vertices.back());
    if (from == to) {
      if (PathLength(vertices) > tolerance) graph.selfClosed.push_back(index);
      continue;
    }
    std::vector<int>& parallel = between[std::minmax(from, to)];
    if (std::any_of(parallel.begin(), parallel.end(), [&](int edge) {
          return DrawnTwice(curves[graph.edges[edge].curve], curves[index], tolerance);
        }))
      continue;
    parallel.push_back(static_cast<int>(graph.edges.size()));
    graph.edges.push_back({index, from, to, false});
  }
  graph.incident.resize(graph.nodes.size());
  for (size_t edge = 0; edge < graph.edges.size(); ++edge) {
    graph.incident[graph.edges[edge].from].push_back(static_cast<int>(edge));
    graph.incident[graph.edges[edge].to].push_back(static_cast<int>(edge));
  }
  return graph;
}

void KeepCycleEdges(DxfGraph& graph) {
  RemoveLooseEnds(graph);
  RemoveBridges(graph);
}

}  // namespace kalo
