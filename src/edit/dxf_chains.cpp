#include "edit/dxf_chains.h"

#include <algorithm>
#include <limits>

#include "dxf/dxf_geometry.h"
#include "edit/dxf_graph.h"

namespace kalo {
namespace {

// Every edge is run both ways: half-edge 2e from its first point to its last, 2e + 1 back.
DxfCurveUse UseOf(const DxfGraph& graph, int half) {
  return {graph.edges[half / 2].curve, half % 2 == 1};
}
int Origin(const DxfGraph& graph, int half) {
  return half % 2 == 1 ? graph.edges[half / 2].to : graph.edges[half / 2].from;
}
int Target(const DxfGraph& graph, int half) { return Origin(graph, half ^ 1); }

std::vector<DxfVertex> Course(const std::vector<DxfCurve>& curves, const DxfCurveUse& use) {
  const std::vector<DxfVertex>& vertices = curves[use.curve].vertices;
  return use.reversed ? Reversed(vertices) : vertices;
}

// The direction in which a half-edge leaves its node, taken from its first segment of any
// length.
long double Direction(const std::vector<DxfCurve>& curves, const DxfCurveUse& use) {
  std::vector<DxfVertex> course = Course(curves, use);
  for (size_t i = 0; i + 1 < course.size(); ++i)
    if (Distance(course[i], course[i + 1]) > 0) return LeavingAngle(course[i], course[i + 1]);
  return 0;
}

// The faces of the drawing that the remaining edges enclose, traced with the face on the
// left: at each node the walk turns into the next edge clockwise from the one it came
// along. Bounded faces run counter-clockwise; the outside of a group of edges runs
// clockwise round it and has the most negative area of the group's faces.
class FaceTracer {
 public:
  FaceTracer(const DxfGraph& graph, const std::vector<DxfCurve>& curves) : graph_(graph), curves_(curves) {
    leaving_.resize(graph.nodes.size());
    position_.resize(2 * graph.edges.size());
    std::vector<long double> direction(2 * graph.edges.size());
    for (int half = 0; half < static_cast<int>(direction.size()); ++half) {
      if (graph.edges[half / 2].removed) continue;
      direction[half] = Direction(curves, UseOf(graph, half));
      leaving_[Origin(graph, half)].push_back(half);
    }
    for (std::vector<int>& halves : leaving_) {
      std::sort(halves.begin(), halves.end(), [&](int a, int b) { return direction[a] < direction[b]; });
      for (size_t i = 0; i < halves.size(); ++i) position_[halves[i]] = i;
    }
  }

  // For each group of connected edges, the loop around its outside.
  std::vector<DxfLoop> Outlines() {
    std::vector<int> group = Groups();
    std::vector<DxfLoop> outline(graph_.nodes.size());
    std::vector<long double> area(graph_.nodes.size(), std::numeric_limits<long double>::infinity());
    std::vector<bool> traced(2 * graph_.edges.size(), false);
    for (int start = 0; start < static_cast<int>(traced.size()); ++start) {
      if (graph_.edges[start / 2].removed || traced[start]) continue;
      DxfLoop face;
      for (int half = start; !traced[half]; half = Next(half)) {
        traced[half] = true;
        face.push_back(UseOf(graph_, half));
      }
      long double faceArea = SignedArea(LoopVertices(curves_, face));
      int g = group[Origin(graph_, start)];
      if (faceArea < area[g]) {
        area[g] = faceArea;
        outline[g] = std::move(face);
      }
    }
    std::vector<DxfLoop> loops;
    for (DxfLoop& loop : outline)
      if (!loop.empty()) loops.push_back(std::move(loop));
    return loops;
  }

 private:
  int Next(int half) const {
    const std::vector<int>& around = leaving_[Target(graph_, half)];
    size_t back = position_[half ^ 1];
    return around[(back + around.size() - 1) % around.size()];
  }

  // A group number for every node: the smallest node of its group.
  std::vector<int> Groups() const {
    std::vector<int> group(graph_.nodes.size(), -1);
    for (int root = 0; root < static_cast<int>(group.size()); ++root) {
      if (group[root] >= 0) continue;
      std::vector<int> open{root};
      group[root] = root;
      while (!open.empty()) {
        int node = open.back();
        open.pop_back();
        for (int half : leaving_[node]) {
          int next = Target(graph_, half);
          if (group[next] < 0) {
            group[next] = root;
            open.push_back(next);
          }
        }
      }
    }
    return group;
  }

  const DxfGraph& graph_;
  const std::vector<DxfCurve>& curves_;
  std::vector<std::vector<int>> leaving_;  // half-edges leaving each node, by direction
  std::vector<size_t> position_;          // of each half-edge in its node's list
};

// Chains run through the nodes where exactly two curves meet; the longest one's ends are
// where the drawing fails to close.
void FindLongestOpenChain(DxfGraph& graph, const std::vector<DxfCurve>& curves, DxfChaining& chaining) {
  std::vector<bool> walked(graph.edges.size(), false);
  long double longest = -1;
  for (int first = 0; first < static_cast<int>(graph.edges.size()); ++first) {
    if (walked[first]) continue;
    walked[first] = true;
    long double length = PathLength(curves[graph.edges[first].curve].vertices);
    int ends[2] = {graph.edges[first].from, graph.edges[first].to};
    for (int& end : ends) {
      while (graph.incident[end].size() == 2) {
        int next = -1;
        for (int edge : graph.incident[end])
          if (!walked[edge]) next = edge;
        if (next < 0) break;
        walked[next] = true;
        length += PathLength(curves[graph.edges[next].curve].vertices);
        end = graph.Other(next, end);
      }
    }
    if (length > longest) {
      longest = length;
      chaining.openChain = true;
      chaining.openFrom = graph.nodes[ends[0]];
      chaining.openTo = graph.nodes[ends[1]];
    }
  }
}

DxfLoop::const_iterator FirstCurve(const DxfLoop& loop) {
  return std::min_element(loop.begin(), loop.end(),
                          [](const DxfCurveUse& a, const DxfCurveUse& b) { return a.curve < b.curve; });
}

}  // namespace

DxfChaining ChainCurves(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected,
                        long double tolerance) {
  DxfChaining chaining;
  std::vector<size_t> open;
  for (size_t index : selected) {
    if (curves[index].closed)
      chaining.loops.push_back({{index, false}});
    else
      open.push_back(index);
  }
  DxfGraph graph = BuildGraph(curves, open, tolerance);
  for (size_t index : graph.selfClosed) chaining.loops.push_back({{index, false}});
  for (int node = 0; node < static_cast<int>(graph.nodes.size()) && !chaining.looseEnds; ++node)
    chaining.looseEnds = graph.Degree(node) == 1;
  KeepCycleEdges(graph);
  for (DxfLoop& loop : FaceTracer(graph, curves).Outlines()) chaining.loops.push_back(std::move(loop));
  std::sort(chaining.loops.begin(), chaining.loops.end(),
            [](const DxfLoop& a, const DxfLoop& b) { return FirstCurve(a)->curve < FirstCurve(b)->curve; });
  if (chaining.loops.empty()) {
    for (DxfEdge& edge : graph.edges) edge.removed = false;
    FindLongestOpenChain(graph, curves, chaining);
  }
  return chaining;
}

DxfLoop InFileOrder(const DxfLoop& loop) {
  DxfLoop ordered(FirstCurve(loop), loop.end());
  ordered.insert(ordered.end(), loop.begin(), FirstCurve(loop));
  if (!ordered.front().reversed) return ordered;
  // Run the other way round: the first curve stays first, the others follow backwards.
  std::reverse(ordered.begin() + 1, ordered.end());
  for (DxfCurveUse& use : ordered) use.reversed = !use.reversed;
  return ordered;
}

std::vector<DxfVertex> LoopVertices(const std::vector<DxfCurve>& curves, const DxfLoop& loop) {
  std::vector<DxfVertex> vertices;
  for (const DxfCurveUse& use : loop) {
    std::vector<DxfVertex> course = Course(curves, use);
    // An open curve's last point is where the next curve begins.
    if (!curves[use.curve].closed) course.pop_back();
    vertices.insert(vertices.end(), course.begin(), course.end());
  }
  return vertices;
}

}  // namespace kalo
