#include "views/hatch_geometry.h"

#include <algorithm>
#include <cmath>

#include "messages/messages.h"
#include "platform/real48.h"

namespace kalo {
namespace {

constexpr long double kDegreesPerHatchChord = 15;
constexpr int kMinHatchChords = 3;
// Two crossings closer than this are a line touching a vertex: nothing is drawn.
constexpr long double kShortestStroke = 1e-9L;

struct Crossings {
  std::array<PlanePoint, kMaxHatchCrossings> points{};
  int count = 0;
};

// Adds the crossing of y = m·x + v with the edge a-b; false when it would be the eleventh.
// A point on the line counts as lying above it, so a line through a vertex crosses there
// once where the outline passes through the line and twice or never where it only touches.
bool AddEdgeCrossing(const PlanePoint& a, const PlanePoint& b, long double m, long double v, Crossings& crossings) {
  long double da = a.y - m * a.x - v, db = b.y - m * b.x - v;
  if ((da >= 0) == (db >= 0)) return true;
  if (crossings.count == kMaxHatchCrossings) return false;
  long double t = da / (da - db);
  crossings.points[crossings.count++] = {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
  return true;
}

// Joins the crossings in pairs along the line, starting from the leftmost one.
void PairCrossings(const Crossings& crossings, MessageCollection& messages, HatchLines& lines) {
  const auto& points = crossings.points;
  long double leftX = 1e32L;
  PlanePoint left;
  for (int i = 0; i < crossings.count; ++i) {
    if (points[i].x < leftX) {
      leftX = points[i].x;
      left = points[i];
    }
  }
  std::array<long double, kMaxHatchCrossings> distances{};
  std::array<int, kMaxHatchCrossings> order{};
  for (int i = 0; i < crossings.count; ++i) {
    const PlanePoint& p = points[i];
    distances[i] = Real48(Hypot(std::fabs(p.x - left.x), p.y - left.y));
  }
  if (!SortIntersections(distances, order, crossings.count, messages)) {
    lines.cancelled = true;
    return;
  }
  for (int i = 0; i + 1 < crossings.count; i += 2) {
    const PlanePoint& from = points[order[i]];
    const PlanePoint& to = points[order[i + 1]];
    if (Hypot(to.x - from.x, to.y - from.y) > kShortestStroke) lines.segments.push_back({from, to});
  }
}

}  // namespace

void AddHatchPoint(HatchState& hatch, long double x, long double y, MessageCollection& messages) {
  if (hatch.count >= kMaxHatchPoints) {
    messages.Report("Schraffurfehler");
    return;
  }
  hatch.points[hatch.count++] = {x, y};
}

void AddHatchVertex(HatchState& hatch, long double x, long double y, long double phi, MessageCollection& messages,
                    const NumberFormat& format) {
  long double arcAngle = hatch.previousPhi;
  hatch.previousPhi = phi;
  if (hatch.count == 0 || arcAngle == 0) {
    AddHatchPoint(hatch, x, y, messages);
    return;
  }
  const PlanePoint last = hatch.points[hatch.count - 1];
  auto arc = GetArcCenterNoSwap(last.x, last.y, x, y, arcAngle, messages, format);
  if (!arc) {
    AddHatchPoint(hatch, x, y, messages);
    return;
  }
  int chords = std::max(kMinHatchChords, static_cast<int>(std::nearbyint(std::fabs(RadToDeg(arcAngle)) /
                                                                          kDegreesPerHatchChord)));
  for (int i = 0; i <= chords; ++i) {
    long double a = arc->a1 + i * arcAngle / chords;
    AddHatchPoint(hatch, arc->xc + arc->r * std::cos(a), arc->yc + arc->r * std::sin(a), messages);
  }
}

int CloseHatchPolygon(HatchState& hatch, int count, MessageCollection& messages) {
  hatch.count = std::clamp(count, 0, hatch.count);
  if (hatch.count == 0) return 0;
  const PlanePoint first = hatch.points[0];
  const PlanePoint last = hatch.points[hatch.count - 1];
  if (last.x != first.x || last.y != first.y) AddHatchPoint(hatch, first.x, first.y, messages);
  return hatch.count;
}

bool SortIntersections(std::array<long double, kMaxHatchCrossings>& values,
                       std::array<int, kMaxHatchCrossings>& indexes, int n, MessageCollection& messages) {
  if (n > kMaxHatchCrossings) {
    messages.Report("QSORT2 error", Severity::DrawingFault);
    return false;
  }
  for (int i = 0; i < kMaxHatchCrossings; ++i) indexes[i] = i;
  std::stable_sort(indexes.begin(), indexes.begin() + n,
                   [&values](int a, int b) { return values[a] < values[b]; });
  std::array<long double, kMaxHatchCrossings> sorted = values;
  for (int i = 0; i < n; ++i) values[i] = sorted[indexes[i]];
  return true;
}

HatchLines ComputeHatchLines(std::span<const PlanePoint> polygon, long double spacing, long double angleDeg,
                             MessageCollection& messages) {
  HatchLines lines;
  long double t = DegToRad(angleDeg);
  long double m = Tan(t, messages);
  long double bmin = 1e30L, bmax = -1e30L;
  for (const PlanePoint& p : polygon) {
    bmin = std::min(bmin, p.y - m * p.x);
    bmax = std::max(bmax, p.y - m * p.x);
  }
  if (t == 0) return lines;
  lines.hatched = true;
  // The step is taken as a distance, so a negative spacing or an angle beyond 90 degrees
  // still steps towards bmax.
  long double step = spacing != 0 ? std::fabs(spacing / std::cos(t)) : (bmax - bmin) * 0.1L;
  if (!(step > 0) || (bmax - bmin) / step > kMaxHatchLines) return lines;
  long double v = bmin;
  do {
    v += step;
    Crossings crossings;
    for (size_t k = 1; k < polygon.size(); ++k) {
      if (!AddEdgeCrossing(polygon[k - 1], polygon[k], m, v, crossings)) {
        messages.Report("schraff schnittp", Severity::DrawingFault);
        lines.cancelled = true;
        return lines;
      }
    }
    PairCrossings(crossings, messages, lines);
    if (lines.cancelled) return lines;
  } while (v < bmax);
  return lines;
}

}  // namespace kalo
