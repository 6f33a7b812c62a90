#include "calc/solid_properties.h"

#include <cmath>

#include "graphics/plane_geometry.h"
#include "help/messages.h"
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

// A point below the axis turns the section into no solid; reported as the frustum terms do.
void ReportPointsBelowAxis(const Contour& contour, MessageCollection& messages) {
  for (int i = 1; i <= contour.count && i <= kMaxElements; ++i) {
    if (contour[i].y < 0) {
      messages.Report("Fatal  : GetMasseR");
      messages.Report("Fatal  : GetJR");
      return;
    }
  }
}

// A clockwise contour gives every integral negated.
long double Sense(const RegionIntegrals& total) { return total.A < 0 ? -1 : 1; }

SolidProperties SolidOf(const RegionIntegrals& total, long double rho) {
  long double sense = Sense(total);
  SolidProperties solid;
  solid.volume = 2 * kPi * sense * total.Sx;
  solid.mass = Mass(sense * total.Sx, rho);
  solid.Jx = Inertia(sense * total.Y3, rho);
  solid.JyOrigin = Inertia(sense * (total.X2Y + total.Y3 / 2), rho);
  if (total.Sx != 0) solid.centreOfMass = total.Ixy / total.Sx;
  long double offset = solid.centreOfMass;
  solid.JyCentre = solid.JyOrigin - solid.mass * offset * offset * kM2PerMm2;
  solid.surface = 2 * kPi * total.Yds;
  solid.gyrationX = Gyration(solid.Jx, solid.mass);
  solid.gyrationY = Gyration(solid.JyCentre, solid.mass);
  return solid;
}

}  // namespace

SolidProperties ComputeSolidProperties(const Body& body, ArcModel model, MessageCollection& messages,
                                       const NumberFormat& format) {
  std::vector<RegionIntegrals> elements;
  RegionIntegrals total = ContourIntegrals(body.contour, body.arcDivisionAngle, model, messages, format, &elements);
  SolidProperties solid = SolidOf(total, body.rho);
  long double sense = Sense(total);
  solid.elementJx.reserve(elements.size());
  for (const RegionIntegrals& element : elements) solid.elementJx.push_back(Inertia(sense * element.Y3, body.rho));
  return solid;
}

SolidProperties ComputeSolidTotals(const Body& body, ArcModel model, MessageCollection& messages,
                                   const NumberFormat& format) {
  if (model == ArcModel::Chords) return SolidOf(PolygonIntegrals(body.polygon), body.rho);
  return SolidOf(ContourIntegrals(body.contour, body.arcDivisionAngle, model, messages, format), body.rho);
}

SectionSums ExactSectionSums(const Body& body, MessageCollection& messages) {
  RegionIntegrals t = ExactSectionIntegrals(body.contour);
  ReportPointsBelowAxis(body.contour, messages);
  return {t.A, t.Sx, t.Sy, t.Ixx, t.Iyy, t.Ixy, Mass(t.Sx, body.rho), Inertia(t.Y3, body.rho)};
}

}  // namespace kalo
