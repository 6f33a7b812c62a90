#include "edit/dxf_loop_choice.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "dxf/dxf_drawing.h"
#include "edit/dxf_contour.h"
#include "dxf/dxf_geometry.h"

namespace kalo {
namespace {

// A chord outline of an arc loop loses a little area, at most about 5 % for a circle divided
// every 30 degrees, and keeps its centre within a small part of its size.
constexpr long double kTracedAreaShare = 0.1L;
constexpr long double kTracedCentreShare = 0.05L;

struct Placed {
  DxfContourCandidate candidate;
  PlanePoint centre;
  long double diagonal = 0;
  bool traced = false;
};

constexpr const char* kFrameLayers[] = {"RAHMEN", "FRAME", "BORDER", "TITLE", "TITEL", "SCHRIFTFELD", "BLATT", "SHEET"};

bool OnFrameLayer(const std::string& layer) {
  std::string key = DxfNameKey(layer);
  return std::any_of(std::begin(kFrameLayers), std::end(kFrameLayers),
                     [&](const char* part) { return key.find(part) != std::string::npos; });
}

// The loop without the points where it runs straight on (lines cut where others end on them).
std::vector<DxfVertex> Corners(const std::vector<DxfVertex>& loop, long double tolerance) {
  std::vector<DxfVertex> corners;
  for (size_t i = 0; i < loop.size(); ++i) {
    const DxfVertex& before = loop[(i + loop.size() - 1) % loop.size()];
    const DxfVertex& at = loop[i];
    const DxfVertex& after = loop[(i + 1) % loop.size()];
    long double cross = (at.x - before.x) * (after.y - at.y) - (at.y - before.y) * (after.x - at.x);
    if (before.phi != 0 || at.phi != 0 || std::fabs(cross) > tolerance * Distance(before, after)) corners.push_back(at);
  }
  return corners;
}

// A rectangle of four straight sides round the whole drawing.
bool IsSheetBorder(const std::vector<DxfVertex>& points, const Box& drawing, long double tolerance) {
  std::vector<DxfVertex> loop = Corners(points, tolerance);
  if (loop.size() != 4 || std::any_of(loop.begin(), loop.end(), [](const DxfVertex& v) { return v.phi != 0; }))
    return false;
  for (size_t i = 0; i < 4; ++i) {
    const DxfVertex& a = loop[i];
    const DxfVertex& b = loop[(i + 1) % 4];
    if (std::fabs(a.x - b.x) > tolerance && std::fabs(a.y - b.y) > tolerance) return false;
  }
  Box box = LoopBox(loop);
  return box.xmin <= drawing.xmin + tolerance && box.ymin <= drawing.ymin + tolerance &&
         box.xmax >= drawing.xmax - tolerance && box.ymax >= drawing.ymax - tolerance;
}

bool IsFrame(const std::vector<DxfCurve>& curves, const DxfLoop& loop, const std::vector<DxfVertex>& vertices,
             const Box& drawing, long double tolerance) {
  return std::all_of(loop.begin(), loop.end(), [&](const DxfCurveUse& use) { return OnFrameLayer(curves[use.curve].layer); }) ||
         IsSheetBorder(vertices, drawing, tolerance);
}

DxfContourCandidate CandidateOf(const std::vector<DxfCurve>& curves, const DxfLoop& loop, long double tolerance,
                                const DxfCandidateRules& rules) {
  DxfLoop ordered = InFileOrder(loop);
  DxfContourCandidate candidate;
  std::vector<DxfVertex> vertices = LoopVertices(curves, ordered);
  candidate.axis = FindAxis(vertices, rules.centreLines, tolerance, rules.stated, rules.ownLayer);
  candidate.elements = ContourElementsOf(OnAxis(vertices, candidate.axis), tolerance);
  candidate.area = std::fabs(SignedArea(candidate.elements));
  candidate.layer = curves[ordered.front().curve].layer;
  candidate.loop = loop;
  for (const DxfCurveUse& use : ordered) {
    const DxfCurve& curve = curves[use.curve];
    if (curve.approximated) candidate.approximatedElements += curve.vertices.size() - (curve.closed ? 0 : 1);
  }
  return candidate;
}

Placed PlacedOf(DxfContourCandidate candidate) {
  Box box = LoopBox(candidate.elements);
  PlanePoint centre{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
  return {std::move(candidate), centre, std::hypot(box.xmax - box.xmin, box.ymax - box.ymin), false};
}

bool AllPointsOn(const std::vector<DxfVertex>& points, const std::vector<DxfVertex>& loop, long double tolerance) {
  return std::all_of(points.begin(), points.end(),
                     [&](const DxfVertex& v) { return DistanceToLoop({v.x, v.y}, loop) <= tolerance; });
}

// Whether the two loops are one outline drawn twice.
bool SameOutline(const Placed& a, const Placed& b, long double tolerance) {
  long double reach = kTracedCentreShare * std::min(a.diagonal, b.diagonal) + tolerance;
  if (std::fabs(a.centre.y - b.centre.y) > reach) return false;
  if (std::fabs(a.candidate.area - b.candidate.area) > kTracedAreaShare * std::max(a.candidate.area, b.candidate.area))
    return false;
  const auto& more = a.candidate.elements.size() > b.candidate.elements.size() ? a : b;
  const auto& fewer = &more == &a ? b : a;
  return AllPointsOn(more.candidate.elements, fewer.candidate.elements, tolerance);
}

// Marks the tracings: of two loops with the same outline, the one with more elements (the
// later one when equal). The loops are compared in the order of their centres' x, only
// with those whose centre is near enough.
void MarkTracings(std::vector<Placed>& placed, long double tolerance) {
  std::vector<size_t> byX(placed.size());
  std::iota(byX.begin(), byX.end(), 0);
  std::sort(byX.begin(), byX.end(), [&](size_t a, size_t b) { return placed[a].centre.x < placed[b].centre.x; });
  for (size_t i = 0; i < byX.size(); ++i) {
    Placed& a = placed[byX[i]];
    long double reach = kTracedCentreShare * a.diagonal + tolerance;
    for (size_t j = i + 1; j < byX.size() && placed[byX[j]].centre.x - a.centre.x <= reach; ++j) {
      Placed& b = placed[byX[j]];
      if (a.traced || b.traced || !SameOutline(a, b, tolerance)) continue;
      size_t sizeA = a.candidate.elements.size(), sizeB = b.candidate.elements.size();
      bool aTraces = sizeA > sizeB || (sizeA == sizeB && byX[i] > byX[j]);
      (aTraces ? a : b).traced = true;
    }
  }
}

}  // namespace

std::vector<DxfContourCandidate> ContourCandidates(const std::vector<DxfCurve>& curves,
                                                   const std::vector<DxfLoop>& loops, long double tolerance,
                                                   const DxfCandidateRules& rules) {
  std::vector<Placed> placed;
  for (const DxfLoop& loop : loops) {
    if (loops.size() > 1 && IsFrame(curves, loop, LoopVertices(curves, loop), rules.drawing, tolerance)) continue;
    placed.push_back(PlacedOf(CandidateOf(curves, loop, tolerance, rules)));
  }
  MarkTracings(placed, tolerance);
  std::vector<DxfContourCandidate> candidates;
  for (Placed& p : placed)
    if (!p.traced) candidates.push_back(std::move(p.candidate));
  std::stable_sort(candidates.begin(), candidates.end(), [](const DxfContourCandidate& a, const DxfContourCandidate& b) {
    return a.axis.atAxis != b.axis.atAxis ? a.axis.atAxis : a.area > b.area;
  });
  return candidates;
}

std::vector<DxfVertex> ElementsOnAxis(const std::vector<DxfCurve>& curves, const DxfLoop& loop, const DxfAxis& axis,
                                      long double tolerance) {
  return ContourElementsOf(OnAxis(LoopVertices(curves, InFileOrder(loop)), axis), tolerance);
}

}  // namespace kalo
