#include "calc/calculation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "calc/chord_polygon.h"
#include "calc/contour_check.h"
#include "calc/polygon_bounds.h"
#include "calc/section_sums.h"
#include "calc/solid_properties.h"
#include "context/configuration.h"
#include "geometry/plane_geometry.h"
#include "messages/messages.h"
#include "model/body.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr long double kMm3PerDm3 = 1.0E6L;
// With true arcs a crossing is confirmed with arcs as chords of at most this angle (a
// sagitta of 1E-5 of the radius), in at most this many points.
constexpr long double kExactCheckDegrees = 0.5L;
constexpr int kExactCheckPoints = 20000;
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
// for the polygon's points is coarsened until the polygon fits. At a full turn an arc of up to
// one turn has two chords; arcs of hundreds of turns (only from a damaged file) still do not
// fit and fail as with chords.
PolygonOutcome BuildDrawingPolygon(Body& body, MessageCollection& messages, const NumberFormat& format) {
  constexpr long double kFullTurnDegrees = 360;
  long double division = body.arcDivisionAngle;
  PolygonOutcome outcome = BuildPolygon(body.contour, division, body.polygon, messages, format);
  while (outcome == PolygonOutcome::TooManyPoints && !(division >= kFullTurnDegrees)) {
    division = division >= 1 ? std::min(division * 2, kFullTurnDegrees) : 1;
    outcome = BuildPolygon(body.contour, division, body.polygon, messages, format);
  }
  return outcome;
}

// The plane values about the drawing's origin, moved from the origin of the sums.
void StoreSums(const SectionSums& sums, Body& body) {
  BodyResults& r = body.results;
  const long double x0 = sums.origin.x, y0 = sums.origin.y, A = sums.A;
  r.A = A;
  r.Sx = sums.Sx + y0 * A;
  r.Sy = sums.Sy + x0 * A;
  r.Ixx = sums.Ixx + 2 * y0 * sums.Sx + y0 * y0 * A;
  r.Iyy = sums.Iyy + 2 * x0 * sums.Sy + x0 * x0 * A;
  r.Ixy = sums.Ixy + x0 * sums.Sx + y0 * sums.Sy + x0 * y0 * A;
  r.Ip = r.Ixx + r.Iyy;
  r.Jx = sums.Jx;
  body.mass = sums.m;
}

// Centroid, centroidal and principal moments from the sums about their own origin, which
// lies in the body; A is not 0.
void DeriveCentroidalValues(const SectionSums& sums, BodyResults& r) {
  long double dx = sums.Sy / sums.A, dy = sums.Sx / sums.A;
  r.xs = sums.origin.x + dx;
  r.ys = sums.origin.y + dy;
  r.Ixs = sums.Ixx - dy * dy * sums.A;
  r.Iys = sums.Iyy - dx * dx * sums.A;
  r.Ixys = sums.Ixy - dx * dy * sums.A;
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

// An outline that crosses itself bounds no body: its signed sums mean nothing, so it is
// refused (in chord mode as the chords run, for they are what is integrated). A clockwise
// one gives the specified values with negative area and moments, which the messages point
// out.
bool OutlineIsSimple(const Body& body, bool exact, MessageCollection& messages) {
  ContourFindings findings = CheckContour(body.contour, body.arcDivisionAngle);
  // With true arcs a crossing of the chords is confirmed with the arcs followed closely, so
  // that the chords of a thin wall are not taken for a crossing.
  if (exact && findings.crossingFirst != 0)
    findings = CheckContour(body.contour, std::min<long double>(body.arcDivisionAngle, kExactCheckDegrees),
                            kExactCheckPoints);
  if (findings.crossingFirst != 0) {
    messages.Report(Oem("Überschneidung El.") + " " + std::to_string(findings.crossingFirst) + "/" +
                        std::to_string(findings.crossingSecond),
                    Severity::Fatal);
    return false;
  }
  if (findings.clockwise) messages.Report("Kontur im Uhrzeigersinn: A < 0");
  return true;
}

}  // namespace

void Calculate(Body& body, const Configuration& config, MessageCollection& messages) {
  messages.Clear();
  const NumberFormat numbers = NumberFormatOf(config);
  bool exact = config.exactArcs;
  PolygonOutcome outcome = exact ? BuildDrawingPolygon(body, messages, numbers)
                                 : BuildPolygon(body.contour, body.arcDivisionAngle, body.polygon, messages,
                                                numbers);
  switch (outcome) {
    case PolygonOutcome::Empty:
      return;
    case PolygonOutcome::TooManyPoints:
      messages.Report("> " + std::to_string(kMaxPolygonIndex) + " Punkte !", Severity::Fatal);
      return;
    case PolygonOutcome::Closed:
      break;
  }
  FindBounds(body.polygon, body.bounds);
  SectionSums sums = exact ? ExactSectionSums(body, messages) : SumSegments(body.polygon, body.rho, messages);
  StoreSums(sums, body);
  if (!messages.Fatal() && !OutlineIsSimple(body, exact, messages)) return;
  if (body.results.A == 0) {
    messages.Report("A = 0 !", Severity::Fatal);
    return;
  }
  DeriveCentroidalValues(sums, body.results);
  body.mass = std::fabs(body.mass);
  body.results.Jx = std::fabs(body.results.Jx);
  if (body.rho > 0) body.volume = body.mass / body.rho * kMm3PerDm3;
  MessageCollection checkOnly;
  ArcModel model = exact ? ArcModel::Exact : ArcModel::Chords;
  if (!AllRepresentable(body, ComputeSolidTotals(body, model, checkOnly, numbers))) {
    messages.Report(Oem("Zahlenüberlauf !"), Severity::Fatal);
  }
}

}  // namespace kalo
