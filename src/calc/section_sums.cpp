#include "calc/section_sums.h"

#include <algorithm>

#include "calc/calculation.h"

namespace kalo {
namespace {

constexpr long double kTwoThirds = 2.0L / 3.0L;
constexpr long double kOneSixth = 1.0L / 6.0L;

void AddSegment(const PolygonPoint& p1, const PolygonPoint& p2, long double rho, SectionSums& sums,
                MessageCollection& messages) {
  long double x1 = p1.x, y1 = p1.y, x2 = p2.x, y2 = p2.y;
  long double xm = (x1 + x2) * 0.5L;
  long double ym = (y1 + y2) * 0.5L;
  long double dx = x2 - x1;
  long double dy = y2 - y1;
  long double dA = -ym * dx;
  long double dSx = kTwoThirds * ym * dA + kOneSixth * y1 * y2 * dx;
  long double dSy = kTwoThirds * xm * (xm * dy) - kOneSixth * x1 * x2 * dy;
  sums.A += dA;
  sums.Sx += dSx;
  sums.Sy += dSy;
  sums.Ixx += (kOneSixth * y1 * y2 * dx + dSx) * ym;
  sums.Iyy += (dSy - kOneSixth * x1 * x2 * dy) * xm;
  sums.Ixy += x1 * dSx - dx * dx * kOneSixth * (ym * ym + 0.5L * y2 * y2);
  long double outer = std::max(y1, y2);
  long double inner = std::min(y1, y2);
  sums.m += GetMasseR(messages, outer, inner, dx, rho);
  sums.Jx += GetJR(messages, outer, inner, dx, rho);
}

}  // namespace

SectionSums SumSegments(const ContourPolygon& polygon, long double rho, MessageCollection& messages) {
  SectionSums sums;
  for (size_t p = 1; p < polygon.count; ++p) AddSegment(polygon.points[p], polygon.points[p + 1], rho, sums, messages);
  return sums;
}

}  // namespace kalo
