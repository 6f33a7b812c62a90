#pragma once
// The geometry of section hatching, free of any drawing: collecting the hatch polygon
// (arcs replaced by chords) and cutting it with parallel hatch lines.
#include <array>
#include <span>
#include <vector>

#include "context/hatch_state.h"

namespace kalo {

class MessageCollection;
struct NumberFormat;

inline constexpr int kMaxHatchCrossings = 10;
// More hatch lines than this would be no hatching but a filled area; none are drawn.
inline constexpr long double kMaxHatchLines = 10000;

// Appends one point; a point beyond 2000 is dropped with "Schraffurfehler".
void AddHatchPoint(HatchState& hatch, long double x, long double y, MessageCollection& messages);
// Appends the vertex (x, y): straight after a vertex with arc angle 0, else the arc from the
// last point by the previous arc angle as max(3, round(|angle| / 15 degrees)) chords
// (all n + 1 chord points, the first repeating the last point). Then remembers phi.
void AddHatchVertex(HatchState& hatch, long double x, long double y, long double phi, MessageCollection& messages,
                    const NumberFormat& format);
// Keeps the first count points and closes them by a copy of the first point when the last
// one differs; returns the new count.
int CloseHatchPolygon(HatchState& hatch, int count, MessageCollection& messages);

// Sorts n distances ascending and carries the indexes along; false with
// the drawing fault "QSORT2 error" for n above 10.
bool SortIntersections(std::array<long double, kMaxHatchCrossings>& values,
                       std::array<int, kMaxHatchCrossings>& indexes, int n, MessageCollection& messages);

struct HatchSegment {
  PlanePoint from;
  PlanePoint to;
};

struct HatchLines {
  bool hatched = false;    // the angle asks for hatch lines
  bool cancelled = false;  // a hatch line crossed the outline more than ten times
  std::vector<HatchSegment> segments;
};

// The hatch lines at angleDeg across the closed polygon, spacing apart measured at right
// angles (0: ten intervals of the polygon's range). A line is cut at every edge whose ends
// lie on different sides of it; the crossings, ordered along the line, are joined first
// with second, third with fourth, and so on.
HatchLines ComputeHatchLines(std::span<const PlanePoint> polygon, long double spacing, long double angleDeg,
                             MessageCollection& messages);

}  // namespace kalo
