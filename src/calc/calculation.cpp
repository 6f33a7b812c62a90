#include "calc/calculation.h"

#include <cmath>
#include <string>

#include "app/context.h"
#include "calc/chord_polygon.h"
#include "calc/polygon_bounds.h"
#include "calc/section_sums.h"
#include "graphics/plane_geometry.h"

namespace kalo {
namespace {

constexpr long double kMassFactor = kPi / 3;              // with 1.0E-6 for mm³ and kg/dm³
constexpr long double kCylinderMassFactor = kPi * 1.0E-6L;
constexpr long double kInertiaFactor = kPi * 1.0E-13L;
constexpr long double kCylinderInertiaFactor = kPi / 2 * 1.0E-12L;
constexpr long double kMm3PerDm3 = 1.0E6L;
// Taken when the centroidal moments are equal, whatever the product moment.
constexpr long double kEqualMomentsAngle = 1.5707963267948966L;

std::string PolygonLimitMessage() { return "Fatal  : > " + std::to_string(kMaxPolygonIndex) + " Punkte !"; }

void StoreSums(const SectionSums& sums, Body& body) {
  BodyResults& r = body.results;
  r.A = sums.A;
  r.Sx = sums.Sx;
  r.Sy = sums.Sy;
  r.Ixx = sums.Ixx;
  r.Iyy = sums.Iyy;
  r.Ixy = sums.Ixy;
  r.Ip = sums.Ixx + sums.Iyy;
  r.Jx = sums.Jx;
  body.mass = sums.m;
}

// Centroid, centroidal and principal moments from the sums; A is not 0.
void DeriveCentroidalValues(BodyResults& r) {
  r.xs = r.Sy / r.A;
  r.ys = r.Sx / r.A;
  r.Ixs = r.Ixx - r.ys * r.ys * r.A;
  r.Iys = r.Iyy - r.xs * r.xs * r.A;
  r.Ixys = r.Ixy - r.xs * r.ys * r.A;
  r.Ips = r.Ixs + r.Iys;
  long double difference = r.Iys - r.Ixs;
  r.alpha = difference == 0 ? kEqualMomentsAngle : 0.5L * std::atan(2 * r.Ixys / difference);
  long double radius = 0.5L * std::sqrt((r.Ixs - r.Iys) * (r.Ixs - r.Iys) + (2 * r.Ixys) * (2 * r.Ixys));
  long double mean = 0.5L * (r.Ixs + r.Iys);
  r.I1 = mean + radius;
  r.I2 = mean - radius;
  if (r.I1 < 0 && r.I2 < 0) {  // clockwise contour
    long double larger = -r.I2;
    r.I2 = -r.I1;
    r.I1 = larger;
  }
}

bool HasNegativeRadius(long double r1, long double r2) { return r1 < 0 || r2 < 0; }

}  // namespace

void Calculate(Context& context) {
  MessageCollection& messages = context.messages;
  Body& body = context.body;
  messages.Clear();
  switch (BuildPolygon(body.contour, body.arcDivisionAngle, body.polygon, messages, context.Numbers())) {
    case PolygonOutcome::Empty:
      return;
    case PolygonOutcome::TooManyPoints:
      messages.Report(PolygonLimitMessage());
      messages.SetFatal();
      return;
    case PolygonOutcome::Closed:
      break;
  }
  FindBounds(body.polygon, body.bounds);
  StoreSums(SumSegments(body.polygon, body.rho, messages), body);
  if (body.results.A == 0) {
    messages.Report("Fatal  : A = 0 !");
    messages.SetFatal();
    return;
  }
  DeriveCentroidalValues(body.results);
  body.mass = std::fabs(body.mass);
  body.results.Jx = std::fabs(body.results.Jx);
  if (body.rho > 0) body.volume = body.mass / body.rho * kMm3PerDm3;
}

long double GetMasseR(MessageCollection& messages, long double r1, long double r2, long double h, long double rho) {
  if (HasNegativeRadius(r1, r2)) {
    messages.Report("Fatal  : GetMasseR");
    return 0;
  }
  if (r1 - r2 == 0) return r1 * r1 * kCylinderMassFactor * h * rho;
  return (r1 * r1 + r1 * r2 + r2 * r2) * kMassFactor * h * rho * 1.0E-6L;
}

long double GetJR(MessageCollection& messages, long double r1, long double r2, long double h, long double rho) {
  if (HasNegativeRadius(r1, r2)) {
    messages.Report("Fatal  : GetJR");
    return 0;
  }
  if (r1 - r2 == 0) return r1 * r1 * r1 * r1 * kCylinderInertiaFactor * h * rho;
  long double fifth1 = r1 * r1 * r1 * r1 * r1;
  long double fifth2 = r2 * r2 * r2 * r2 * r2;
  return (fifth1 - fifth2) / (r1 - r2) * kInertiaFactor * h * rho;
}

}  // namespace kalo
