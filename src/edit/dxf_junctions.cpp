#include "edit/dxf_junctions.h"

#include <algorithm>
#include <cmath>

#include "dxf/dxf_geometry.h"

namespace kalo {
namespace {

// Pairs of lines compared at most; beyond, a drawing of hatching and clutter on the contour's
// layer is chained as drawn.
constexpr size_t kMaxComparisons = 50'000'000;

struct Segment {
  size_t curve;
  PlanePoint a, b;
  long double xmin, xmax;
};

// Where along a segment (0..1) the point lies on it, when it does, farther than the
// tolerance from both ends.
bool InnerPoint(const Segment& s, const PlanePoint& p, long double tolerance, long double& t) {
  long double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y, length = std::sqrt(dx * dx + dy * dy);
  if (!(length > 2 * tolerance)) return false;
  t = ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / (length * length);
  long double off = std::fabs((p.x - s.a.x) * dy - (p.y - s.a.y) * dx) / length;
  return off <= tolerance && t * length > tolerance && (1 - t) * length > tolerance;
}

// Where two segments cross, as the share along each.
bool Crossing(const Segment& s, const Segment& o, long double& t, long double& u) {
  long double rx = s.b.x - s.a.x, ry = s.b.y - s.a.y, qx = o.b.x - o.a.x, qy = o.b.y - o.a.y;
  long double denominator = rx * qy - ry * qx;
  if (denominator == 0) return false;
  long double wx = o.a.x - s.a.x, wy = o.a.y - s.a.y;
  t = (wx * qy - wy * qx) / denominator;
  u = (wx * ry - wy * rx) / denominator;
  return t > 0 && t < 1 && u > 0 && u < 1;
}

// The line in pieces between the cuts; cuts closer than the tolerance to an end or to each
// other count once.
std::vector<DxfCurve> Pieces(const DxfCurve& line, std::vector<long double> cuts, long double tolerance) {
  std::sort(cuts.begin(), cuts.end());
  std::vector<DxfCurve> pieces;
  const DxfVertex& a = line.vertices.front();
  const DxfVertex& b = line.vertices.back();
  long double share = tolerance / Distance(a, b);
  cuts.erase(std::remove_if(cuts.begin(), cuts.end(), [&](long double t) { return t >= 1 - share; }), cuts.end());
  cuts.push_back(1);
  long double from = 0;
  for (long double to : cuts) {
    if (to - from <= share) continue;
    DxfCurve piece = line;
    piece.vertices = {{a.x + from * (b.x - a.x), a.y + from * (b.y - a.y), 0}, {a.x + to * (b.x - a.x), a.y + to * (b.y - a.y), 0}};
    pieces.push_back(std::move(piece));
    from = to;
  }
  return pieces;
}

}  // namespace

DxfSplitCurves SplitAtJunctions(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected,
                                long double tolerance) {
  std::vector<Segment> lines;
  std::vector<PlanePoint> ends;
  for (size_t index : selected) {
    const DxfCurve& curve = curves[index];
    if (curve.closed) continue;
    const DxfVertex& a = curve.vertices.front();
    const DxfVertex& b = curve.vertices.back();
    ends.push_back({a.x, a.y});
    ends.push_back({b.x, b.y});
    if (curve.kind == DxfCurveKind::Line)
      lines.push_back({index, {a.x, a.y}, {b.x, b.y}, std::min(a.x, b.x) - tolerance, std::max(a.x, b.x) + tolerance});
  }
  std::vector<std::vector<long double>> cuts(curves.size());
  std::sort(lines.begin(), lines.end(), [](const Segment& s, const Segment& o) { return s.xmin < o.xmin; });
  size_t comparisons = 0;
  for (size_t i = 0; i < lines.size() && comparisons < kMaxComparisons; ++i)
    for (size_t j = i + 1; j < lines.size() && lines[j].xmin <= lines[i].xmax; ++j, ++comparisons) {
      long double t, u;
      if (Crossing(lines[i], lines[j], t, u)) {
        cuts[lines[i].curve].push_back(t);
        cuts[lines[j].curve].push_back(u);
      }
    }
  std::sort(ends.begin(), ends.end(), [](const PlanePoint& p, const PlanePoint& q) { return p.x < q.x; });
  for (const Segment& line : lines) {
    auto first = std::lower_bound(ends.begin(), ends.end(), line.xmin, [](const PlanePoint& p, long double x) { return p.x < x; });
    for (auto end = first; end != ends.end() && end->x <= line.xmax && comparisons < kMaxComparisons; ++end, ++comparisons) {
      long double t;
      if (InnerPoint(line, *end, tolerance, t)) cuts[line.curve].push_back(t);
    }
  }
  DxfSplitCurves split;
  for (size_t index : selected) {
    std::vector<DxfCurve> pieces = cuts[index].empty() ? std::vector<DxfCurve>{curves[index]} : Pieces(curves[index], cuts[index], tolerance);
    split.cuts += pieces.size() - 1;
    for (DxfCurve& piece : pieces) {
      split.selected.push_back(split.curves.size());
      split.curves.push_back(std::move(piece));
    }
  }
  return split;
}

}  // namespace kalo
