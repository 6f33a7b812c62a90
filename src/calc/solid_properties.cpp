#include "calc/solid_properties.h"

#include <cmath>

#include "geometry/plane_geometry.h"
#include "messages/messages.h"
#include "model/body.h"

namespace kalo {
namespace {

// Revolving the half-section: dV = 2·pi·y·dA. Density in kg/dm³ is 1.0E-6 kg/mm³; a mass
// moment in kg·mm² is 1.0E-6 kg·m².
constexpr long double kKgPerMm3 = 1.0E-6L;
constexpr long double kM2PerMm2 = 1.0E-6L;

long double Mass(long double Sx, long double rho) { return 2 * kPi * Sx * rho * kKgPerMm3; }
long double Inertia(long double integral, long double rho) { return 2 * kPi * integral * rho * kKgPerMm3 * kM2PerMm2; }
long double Gyration(long double inertia, long double mass) {
  return mass > 0 && inertia > 0 ? std::sqrt(inertia / mass / kM2PerMm2) : 0;
}

// A point of the polygon below the axis turns the section into no solid; reported as the
// frustum terms do.
void ReportPointsBelowAxis(const ContourPolygon& polygon, MessageCollection& messages) {
  long double tolerance = AxisTolerance(polygon);
  for (size_t p = 1; p <= polygon.count; ++p) {
    if (polygon.points[p].y < -tolerance) {
      messages.Report("GetMasseR", Severity::Fatal);
      messages.Report("GetJR", Severity::Fatal);
      return;
    }
  }
}

// A clockwise contour gives every integral negated.
long double Sense(const RegionIntegrals& total) { return total.A < 0 ? -1 : 1; }

// The integrals are taken about the transverse axis through x = origin: about x = 0
// directly, a small body far along the axis would lose its digits to the distance.
SolidProperties SolidOf(const RegionIntegrals& total, long double rho, long double origin) {
  long double sense = Sense(total);
  SolidProperties solid;
  solid.volume = 2 * kPi * sense * total.Sx;
  solid.mass = Mass(sense * total.Sx, rho);
  solid.Jx = Inertia(sense * total.Y3, rho);
  long double offset = total.Sx != 0 ? total.Ixy / total.Sx : 0;
  solid.centreOfMass = origin + offset;
  long double aboutOrigin = Inertia(sense * (total.X2Y + total.Y3 / 2), rho);
  solid.JyCentre = aboutOrigin - solid.mass * offset * offset * kM2PerMm2;
  solid.JyOrigin = solid.JyCentre + solid.mass * solid.centreOfMass * solid.centreOfMass * kM2PerMm2;
  solid.surface = 2 * kPi * total.Yds;
  solid.gyrationX = Gyration(solid.Jx, solid.mass);
  solid.gyrationY = Gyration(solid.JyCentre, solid.mass);
  return solid;
}

// The first point of the body: a transverse axis through the body itself.
long double LocalOrigin(const Contour& contour) { return contour.count > 0 ? contour[1].x : 0; }

// The contour with every point moved by (dx, dy).
Contour Moved(const Contour& contour, long double dx, long double dy) {
  Contour moved = contour;
  for (int i = 1; i <= moved.count && i <= kMaxElements; ++i) {
    moved[i].x += dx;
    moved[i].y += dy;
  }
  return moved;
}

Body ShiftedAlongTheAxis(const Body& body, long double dx) {
  Body shifted = body;
  shifted.contour = Moved(body.contour, dx, 0);
  for (size_t p = 1; p <= shifted.polygon.count; ++p) shifted.polygon.points[p].x += dx;
  return shifted;
}

}  // namespace

SolidProperties ComputeSolidProperties(const Body& body, ArcModel model, MessageCollection& messages,
                                       const NumberFormat& format) {
  long double origin = LocalOrigin(body.contour);
  Body local = ShiftedAlongTheAxis(body, -origin);
  std::vector<RegionIntegrals> elements;
  RegionIntegrals total = ContourIntegrals(local.contour, local.arcDivisionAngle, model, messages, format, &elements);
  SolidProperties solid = SolidOf(total, body.rho, origin);
  long double sense = Sense(total);
  solid.elementJx.reserve(elements.size());
  for (const RegionIntegrals& element : elements) solid.elementJx.push_back(Inertia(sense * element.Y3, body.rho));
  return solid;
}

SolidProperties ComputeSolidTotals(const Body& body, ArcModel model, MessageCollection& messages,
                                   const NumberFormat& format) {
  long double origin = LocalOrigin(body.contour);
  auto totals = [&](const Body& local) {
    RegionIntegrals total = model == ArcModel::Chords
                                ? PolygonIntegrals(local.polygon)
                                : ContourIntegrals(local.contour, local.arcDivisionAngle, model, messages, format);
    return SolidOf(total, body.rho, origin);
  };
  // Most drawings start on x = 0: no copy to shift.
  return origin == 0 ? totals(body) : totals(ShiftedAlongTheAxis(body, -origin));
}

SectionSums ExactSectionSums(const Body& body, MessageCollection& messages) {
  PlanePoint origin{body.contour[1].x, body.contour[1].y};
  RegionIntegrals t = ExactSectionIntegrals(Moved(body.contour, -origin.x, -origin.y));
  ReportPointsBelowAxis(body.polygon, messages);
  // Mass and Jx need the moments about the axis: y = origin.y + y'.
  long double h = origin.y;
  long double Sx = t.Sx + h * t.A;
  long double Y3 = t.Y3 + 3 * h * t.Ixx + 3 * h * h * t.Sx + h * h * h * t.A;
  return {origin, t.A, t.Sx, t.Sy, t.Ixx, t.Iyy, t.Ixy, Mass(Sx, body.rho), Inertia(Y3, body.rho)};
}

}  // namespace kalo
