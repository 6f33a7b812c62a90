#pragma once
// Plane geometry of curve points with arc angles: a segment runs from a point to the next
// one, straight or as an arc turning by the first point's phi.
#include <vector>

#include "dxf/dxf_curves.h"
#include "geometry/plane_point.h"

namespace kalo {

struct SegmentArc {
  PlanePoint centre;
  long double radius = 0;
  long double startAngle = 0;  // polar angle of the segment's first point about the centre
};

// The circle of the segment from 'from' to 'to' turning by from.phi (not 0, ends apart).
SegmentArc ArcOf(const DxfVertex& from, const DxfVertex& to);
long double Distance(const DxfVertex& a, const DxfVertex& b);
long double SegmentLength(const DxfVertex& from, const DxfVertex& to);
// Length of an open run of points.
long double PathLength(const std::vector<DxfVertex>& path);
// Direction of travel where the segment leaves 'from', as a polar angle in 0 .. 2 pi.
long double LeavingAngle(const DxfVertex& from, const DxfVertex& to);
// The point a fraction t (0..1) along the segment.
PlanePoint PointAlong(const DxfVertex& from, const DxfVertex& to, long double t);

struct Box {
  long double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};
// The smallest box around the segment, arcs included.
Box SegmentBox(const DxfVertex& from, const DxfVertex& to);
// The smallest box around a closed run of points.
Box LoopBox(const std::vector<DxfVertex>& loop);

// Area enclosed by a closed run of points (the last segment leads back to the first
// point), counter-clockwise positive.
long double SignedArea(const std::vector<DxfVertex>& loop);
// Shortest distance from p to the segment from 'from' to 'to'.
long double DistanceToSegment(const PlanePoint& p, const DxfVertex& from, const DxfVertex& to);
// Shortest distance from p to the closed run of points.
long double DistanceToLoop(const PlanePoint& p, const std::vector<DxfVertex>& loop);

}  // namespace kalo
