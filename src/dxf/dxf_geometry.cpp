#include "dxf/dxf_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/plane_geometry.h"

namespace kalo {
namespace {

bool IsArc(const DxfVertex& from, const DxfVertex& to) { return from.phi != 0 && Distance(from, to) > 0; }

// The angle brought into 0 .. 2 pi.
long double Normalised(long double angle) {
  long double a = std::fmod(angle, 2 * kPi);
  return a < 0 ? a + 2 * kPi : a;
}

// Whether the arc passes the polar angle on its way from its first point.
bool Passes(const SegmentArc& arc, long double phi, long double angle) {
  long double travelled = phi > 0 ? Normalised(angle - arc.startAngle) : Normalised(arc.startAngle - angle);
  return travelled <= std::fabs(phi);
}

}  // namespace

SegmentArc ArcOf(const DxfVertex& from, const DxfVertex& to) {
  long double dx = to.x - from.x, dy = to.y - from.y;
  long double chord = std::sqrt(dx * dx + dy * dy);
  long double half = chord / 2;
  // The centre lies on the chord's perpendicular bisector, left of the chord for a
  // counter-clockwise arc shorter than a half circle.
  long double offset = half / std::tan(from.phi / 2);
  PlanePoint centre{(from.x + to.x) / 2 - dy / chord * offset, (from.y + to.y) / 2 + dx / chord * offset};
  return {centre, half / std::fabs(std::sin(from.phi / 2)), std::atan2(from.y - centre.y, from.x - centre.x)};
}

// Coordinates are bounded by 1e15, far from where the squares would overflow, so the plain
// root serves and spares hypot's scaling.
long double Distance(const DxfVertex& a, const DxfVertex& b) {
  long double dx = b.x - a.x, dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

long double SegmentLength(const DxfVertex& from, const DxfVertex& to) {
  return IsArc(from, to) ? ArcOf(from, to).radius * std::fabs(from.phi) : Distance(from, to);
}

long double PathLength(const std::vector<DxfVertex>& path) {
  long double length = 0;
  for (size_t i = 0; i + 1 < path.size(); ++i) length += SegmentLength(path[i], path[i + 1]);
  return length;
}

long double LeavingAngle(const DxfVertex& from, const DxfVertex& to) {
  return Normalised(std::atan2(to.y - from.y, to.x - from.x) - from.phi / 2);
}

PlanePoint PointAlong(const DxfVertex& from, const DxfVertex& to, long double t) {
  if (!IsArc(from, to)) return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
  SegmentArc arc = ArcOf(from, to);
  long double angle = arc.startAngle + t * from.phi;
  return {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)};
}

Box SegmentBox(const DxfVertex& from, const DxfVertex& to) {
  Box box{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)};
  if (!IsArc(from, to)) return box;
  SegmentArc arc = ArcOf(from, to);
  const PlanePoint& c = arc.centre;
  long double r = arc.radius;
  if (Passes(arc, from.phi, 0)) box.xmax = c.x + r;
  if (Passes(arc, from.phi, kPi / 2)) box.ymax = c.y + r;
  if (Passes(arc, from.phi, kPi)) box.xmin = c.x - r;
  if (Passes(arc, from.phi, -kPi / 2)) box.ymin = c.y - r;
  return box;
}

Box LoopBox(const std::vector<DxfVertex>& loop) {
  Box box = SegmentBox(loop.front(), loop[1 % loop.size()]);
  for (size_t i = 1; i < loop.size(); ++i) {
    Box segment = SegmentBox(loop[i], loop[(i + 1) % loop.size()]);
    box = {std::min(box.xmin, segment.xmin), std::min(box.ymin, segment.ymin), std::max(box.xmax, segment.xmax),
           std::max(box.ymax, segment.ymax)};
  }
  return box;
}

long double SignedArea(const std::vector<DxfVertex>& loop) {
  long double area = 0;
  for (size_t i = 0; i < loop.size(); ++i) {
    const DxfVertex& a = loop[i];
    const DxfVertex& b = loop[(i + 1) % loop.size()];
    area += (a.x * b.y - b.x * a.y) / 2;
    // The circular segment between chord and arc lies right of the chord for a
    // counter-clockwise arc.
    if (IsArc(a, b)) {
      long double r = ArcOf(a, b).radius, sweep = std::fabs(a.phi);
      area += std::copysign(r * r / 2 * (sweep - std::sin(sweep)), a.phi);
    }
  }
  return area;
}

long double DistanceToSegment(const PlanePoint& p, const DxfVertex& from, const DxfVertex& to) {
  if (IsArc(from, to)) {
    SegmentArc arc = ArcOf(from, to);
    long double dx = p.x - arc.centre.x, dy = p.y - arc.centre.y;
    if (Passes(arc, from.phi, std::atan2(dy, dx))) return std::fabs(std::hypot(dx, dy) - arc.radius);
    return std::min(std::hypot(p.x - from.x, p.y - from.y), std::hypot(p.x - to.x, p.y - to.y));
  }
  long double dx = to.x - from.x, dy = to.y - from.y;
  long double lengthSquared = dx * dx + dy * dy;
  long double t = lengthSquared > 0 ? std::clamp(((p.x - from.x) * dx + (p.y - from.y) * dy) / lengthSquared, 0.0L, 1.0L) : 0;
  return std::hypot(p.x - (from.x + t * dx), p.y - (from.y + t * dy));
}

long double DistanceToLoop(const PlanePoint& p, const std::vector<DxfVertex>& loop) {
  long double nearest = std::numeric_limits<long double>::infinity();
  for (size_t i = 0; i < loop.size(); ++i)
    nearest = std::min(nearest, DistanceToSegment(p, loop[i], loop[(i + 1) % loop.size()]));
  return nearest;
}

}  // namespace kalo
