#include "calc/section_sums.h"

#include <algorithm>
#include <cmath>

#include "calc/calculation.h"
#include "geometry/plane_geometry.h"
#include "messages/messages.h"

namespace kalo {
namespace {

constexpr long double kMassFactor = kPi / 3;  // with 1.0E-6 for mm³ and kg/dm³
constexpr long double kCylinderMassFactor = kPi * 1.0E-6L;
constexpr long double kInertiaFactor = kPi * 1.0E-13L;
constexpr long double kTwoThirds = 2.0L / 3.0L;
constexpr long double kOneSixth = 1.0L / 6.0L;

// A point closer to the axis than this share of the body's largest coordinate lies on it:
// arc points computed from a centre miss the axis by rounding steps of that order.
constexpr long double kAxisToleranceShare = 1.0E-12L;

long double OnAxisAsZero(long double y, long double tolerance) { return y < 0 && y >= -tolerance ? 0 : y; }

// A radius below 0 (a point below the axis) gives no mass, and a solid with a part left out
// is no result; kept out of line so that the frustum terms stay small enough to be inlined
// into the segment loop.
[[gnu::noinline, gnu::cold]] bool RefuseNegativeRadius(MessageCollection& messages, const char* text) {
  messages.Report(text, Severity::Fatal);
  return true;
}

bool NegativeRadius(long double r1, long double r2, MessageCollection& messages, const char* text) {
  return (r1 < 0 || r2 < 0) && RefuseNegativeRadius(messages, text);
}

// The terms of one polygon segment from (x1, y1) to (x2, y2), its points taken relative to
// an origin.
struct Segment {
  Segment(const PolygonPoint& p1, const PolygonPoint& p2, const PlanePoint& origin)
      : x1(p1.x - origin.x),
        y1(p1.y - origin.y),
        x2(p2.x - origin.x),
        y2(p2.y - origin.y),
        xm((x1 + x2) * 0.5L),
        ym((y1 + y2) * 0.5L),
        dx(x2 - x1),
        dy(y2 - y1) {}

  long double dA() const { return -ym * dx; }
  long double dSx() const { return kTwoThirds * ym * dA() + kOneSixth * y1 * y2 * dx; }
  long double dSy() const { return kTwoThirds * xm * (xm * dy) - kOneSixth * x1 * x2 * dy; }
  long double dIxx() const { return (kOneSixth * y1 * y2 * dx + dSx()) * ym; }
  long double dIyy() const { return (dSy() - kOneSixth * x1 * x2 * dy) * xm; }
  long double dIxy() const { return x1 * dSx() - dx * dx * kOneSixth * (ym * ym + 0.5L * y2 * y2); }

  long double x1, y1, x2, y2, xm, ym, dx, dy;
};

// Calls term for every segment p -> p+1, p = 1..count-1, in that order.
template <typename Term>
void ForEachSegment(const ContourPolygon& polygon, const PlanePoint& origin, Term term) {
  for (size_t p = 1; p < polygon.count; ++p) term(Segment(polygon.points[p], polygon.points[p + 1], origin));
}

}  // namespace

// Each sum runs over the segments in order, in three passes (the terms in y, the terms in x,
// the frustum terms): all sums at once do not fit the floating-point registers, and a sum
// kept in memory makes every segment wait for the store of the one before.
SectionSums SumSegments(const ContourPolygon& polygon, long double rho, MessageCollection& messages) {
  const PlanePoint origin = polygon.points[1];
  long double A = 0, Sx = 0, Ixx = 0, Ixy = 0;
  ForEachSegment(polygon, origin, [&](const Segment& s) {
    A += s.dA();
    Sx += s.dSx();
    Ixx += s.dIxx();
    Ixy += s.dIxy();
  });
  long double Sy = 0, Iyy = 0;
  ForEachSegment(polygon, origin, [&](const Segment& s) {
    Sy += s.dSy();
    Iyy += s.dIyy();
  });
  long double m = 0, Jx = 0;
  long double tolerance = AxisTolerance(polygon);
  ForEachSegment(polygon, PlanePoint{}, [&](const Segment& s) {  // radii from the axis itself
    long double outer = OnAxisAsZero(std::max(s.y1, s.y2), tolerance);
    long double inner = OnAxisAsZero(std::min(s.y1, s.y2), tolerance);
    m += GetMasseR(messages, outer, inner, s.dx, rho);
    Jx += GetJR(messages, outer, inner, s.dx, rho);
  });
  return {origin, A, Sx, Sy, Ixx, Iyy, Ixy, m, Jx};
}

// Defined beside the segment sums so that the loop can inline them.
long double GetMasseR(MessageCollection& messages, long double r1, long double r2, long double h, long double rho) {
  if (NegativeRadius(r1, r2, messages, "GetMasseR")) return 0;
  if (r1 - r2 == 0) return r1 * r1 * kCylinderMassFactor * h * rho;
  return (r1 * r1 + r1 * r2 + r2 * r2) * kMassFactor * h * rho * 1.0E-6L;
}

// (r1⁵ − r2⁵)/(r1 − r2) written out as its quotient: divided, two radii a rounding step
// apart would give a value of the order of r⁴ made of rounding alone.
long double GetJR(MessageCollection& messages, long double r1, long double r2, long double h, long double rho) {
  if (NegativeRadius(r1, r2, messages, "GetJR")) return 0;
  long double r1r1 = r1 * r1, r2r2 = r2 * r2;
  long double quotient = r1r1 * r1r1 + r1r1 * r1 * r2 + r1r1 * r2r2 + r1 * r2 * r2r2 + r2r2 * r2r2;
  return quotient * kInertiaFactor * h * rho;
}

long double AxisTolerance(const ContourPolygon& polygon) {
  long double size = 0;
  for (size_t p = 1; p <= polygon.count; ++p)
    size = std::max({size, std::fabs(polygon.points[p].x), std::fabs(polygon.points[p].y)});
  return size * kAxisToleranceShare;
}

}  // namespace kalo
