#include "edit/dxf_contour.h"

#include <algorithm>
#include <cmath>

#include "dxf/dxf_geometry.h"
#include "geometry/plane_geometry.h"

namespace kalo {
namespace {

// A point within the tolerance of the next one is merged into it: the merged point keeps
// its place and takes over the segment that leaves the other.
std::vector<DxfVertex> WithoutShortSegments(const std::vector<DxfVertex>& loop, long double tolerance) {
  std::vector<DxfVertex> kept;
  for (const DxfVertex& v : loop) {
    if (!kept.empty() && Distance(kept.back(), v) <= tolerance)
      kept.back().phi = v.phi;
    else
      kept.push_back(v);
  }
  while (kept.size() > 1 && Distance(kept.back(), kept.front()) <= tolerance) kept.pop_back();
  return kept;
}

std::vector<DxfVertex> Mirrored(std::vector<DxfVertex> loop) {
  for (DxfVertex& v : loop) v = {v.x, Negated(v.y), Negated(v.phi)};
  return loop;
}

// Where along the segment (0..1, ends excluded) it crosses the axis.
std::vector<long double> AxisCrossings(const DxfVertex& from, const DxfVertex& to, long double tolerance) {
  long double length = SegmentLength(from, to);
  if (!(length > 2 * tolerance)) return {};
  std::vector<long double> crossings;
  auto take = [&](long double t) {
    if (t * length > tolerance && (1 - t) * length > tolerance) crossings.push_back(t);
  };
  if (from.phi == 0) {
    if ((from.y < -tolerance && to.y > tolerance) || (from.y > tolerance && to.y < -tolerance))
      take(from.y / (from.y - to.y));
    return crossings;
  }
  SegmentArc arc = ArcOf(from, to);
  if (std::fabs(arc.centre.y) >= arc.radius) return crossings;
  long double a = std::asin(-arc.centre.y / arc.radius);
  for (long double angle : {a, kPi - a}) {
    long double travelled = std::fmod(from.phi > 0 ? angle - arc.startAngle : arc.startAngle - angle, 2 * kPi);
    if (travelled < 0) travelled += 2 * kPi;
    take(travelled / std::fabs(from.phi));
  }
  std::sort(crossings.begin(), crossings.end());
  return crossings;
}

// A piece of a segment between two crossings, wholly on one side of the axis.
struct Piece {
  DxfVertex start;  // with the piece's own arc angle
  bool below = false;
};

std::vector<Piece> PiecesAtAxis(const std::vector<DxfVertex>& loop, long double tolerance) {
  std::vector<Piece> pieces;
  for (size_t i = 0; i < loop.size(); ++i) {
    const DxfVertex& from = loop[i];
    const DxfVertex& to = loop[(i + 1) % loop.size()];
    std::vector<long double> bounds = AxisCrossings(from, to, tolerance);
    bounds.insert(bounds.begin(), 0);
    bounds.push_back(1);
    for (size_t k = 0; k + 1 < bounds.size(); ++k) {
      PlanePoint start = k == 0 ? PlanePoint{from.x, from.y} : PlanePoint{PointAlong(from, to, bounds[k]).x, 0};
      PlanePoint middle = PointAlong(from, to, (bounds[k] + bounds[k + 1]) / 2);
      pieces.push_back({{start.x, start.y, from.phi * (bounds[k + 1] - bounds[k])}, middle.y < -tolerance});
    }
  }
  return pieces;
}

// Every run of pieces below the axis becomes one straight segment along the axis. A
// segment on the axis adds nothing to area, moments or volume, so the result has the
// values of the part above the axis.
std::vector<DxfVertex> ClippedAtAxis(const std::vector<DxfVertex>& loop, long double tolerance) {
  std::vector<Piece> pieces = PiecesAtAxis(loop, tolerance);
  size_t first = 0;
  while (first < pieces.size() && pieces[first].below) ++first;
  std::vector<DxfVertex> clipped;
  bool alongAxis = false;
  for (size_t k = 0; k < pieces.size(); ++k) {
    const Piece& piece = pieces[(first + k) % pieces.size()];
    if (!piece.below)
      clipped.push_back(piece.start);
    else if (!alongAxis)
      clipped.push_back({piece.start.x, 0, 0});
    alongAxis = piece.below;
  }
  return clipped;
}

std::vector<DxfVertex> AboveAxis(const std::vector<DxfVertex>& loop, long double tolerance) {
  Box box = LoopBox(loop);
  if (box.ymin >= -tolerance) return loop;
  if (box.ymax <= tolerance) return Mirrored(loop);
  return WithoutShortSegments(ClippedAtAxis(loop, tolerance), tolerance);
}

// The loop run the other way round from the same first point.
std::vector<DxfVertex> CounterClockwise(const std::vector<DxfVertex>& loop) {
  if (SignedArea(loop) >= 0) return loop;
  std::vector<DxfVertex> path = loop;
  path.push_back(loop.front());
  std::vector<DxfVertex> reversed = Reversed(path);
  reversed.pop_back();
  return reversed;
}

}  // namespace

std::vector<DxfVertex> ContourElementsOf(const std::vector<DxfVertex>& loop, long double tolerance) {
  std::vector<DxfVertex> elements = WithoutShortSegments(loop, tolerance);
  if (elements.size() >= 2) elements = AboveAxis(elements, tolerance);
  if (elements.size() < 2) return elements;
  elements = CounterClockwise(elements);
  if (elements.back().phi != 0) elements.push_back({elements.front().x, elements.front().y, 0});
  return elements;
}

}  // namespace kalo
