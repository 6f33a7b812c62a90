#include "calc/calculation.h"

#include <cmath>
#include <limits>
#include <string>

#include "calc/chord_polygon.h"
#include "calc/polygon_bounds.h"
#include "calc/section_sums.h"
#include "calc/solid_properties.h"
#include "context/context.h"
#include "graphics/plane_geometry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr long double kMm3PerDm3 = 1.0E6L;
// Taken when the centroidal moments are equal, whatever the product moment.
constexpr long double kEqualMomentsAngle = 1.5707963267948966L;

// Coordinates near the limits of the number range let the sums overflow, or give values
// beyond what reports and result files can write (their numbers are doubles).
bool Representable(long double value) {
  return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<double>::max();
}

bool AllRepresentable(const Body& body, const SolidProperties& solid) {
  const BodyResults& r = body.results;
  for (long double value : {r.A, r.Sx, r.Sy, r.Ixx, r.Iyy, r.Ixy, r.Ip, r.xs, r.ys, r.Ixs, r.Iys, r.Ixys, r.Ips,
                            r.alpha, r.I1, r.I2, r.Jx, body.mass, body.volume, solid.centreOfMass, solid.JyCentre,
                            solid.JyOrigin, solid.surface, solid.gyrationX, solid.gyrationY})
    if (!Representable(value)) return false;
  return true;
}

// With true arcs the polygon only draws the body and gives its extremes: a division too fine
// for the polygon's points is coarsened until the polygon fits.
PolygonOutcome BuildDrawingPolygon(Body& body, MessageCollection& messages, const NumberFormat& format) {
  long double division = body.arcDivisionAngle;
  PolygonOutcome outcome = BuildPolygon(body.contour, division, body.polygon, messages, format);
  while (outcome == PolygonOutcome::TooManyPoints) {
    division = division >= 1 ? division * 2 : 1;  // at 360 degrees every arc has two chords
    outcome = BuildPolygon(body.contour, division, body.polygon, messages, format);
  }
  return outcome;
}

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

}  // namespace

void Calculate(Context& context) {
  MessageCollection& messages = context.messages;
  Body& body = context.body;
  messages.Clear();
  bool exact = context.config.exactArcs;
  PolygonOutcome outcome = exact ? BuildDrawingPolygon(body, messages, context.Numbers())
                                 : BuildPolygon(body.contour, body.arcDivisionAngle, body.polygon, messages,
                                                context.Numbers());
  switch (outcome) {
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
  StoreSums(exact ? ExactSectionSums(body, messages) : SumSegments(body.polygon, body.rho, messages), body);
  if (body.results.A == 0) {
    messages.Report("Fatal  : A = 0 !");
    messages.SetFatal();
    return;
  }
  DeriveCentroidalValues(body.results);
  body.mass = std::fabs(body.mass);
  body.results.Jx = std::fabs(body.results.Jx);
  if (body.rho > 0) body.volume = body.mass / body.rho * kMm3PerDm3;
  MessageCollection checkOnly;
  ArcModel model = exact ? ArcModel::Exact : ArcModel::Chords;
  if (!AllRepresentable(body, ComputeSolidTotals(body, model, checkOnly, context.Numbers()))) {
    messages.Report(Oem("Fatal  : Zahlenüberlauf !"));
    messages.SetFatal();
  }
}

}  // namespace kalo
