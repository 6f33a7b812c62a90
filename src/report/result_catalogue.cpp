#include "report/result_catalogue.h"

#include "calc/solid_properties.h"
#include "context/context.h"
#include "geometry/plane_geometry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr long double kDegreesPerRadian = 180 / kPi;

ResultGroup InputGroup(const Context& context) {
  const Body& body = context.body;
  const Bounds& b = body.bounds;
  return {"input",
          "EINGABE",
          {{"elements", "Elemente", "n", "", static_cast<long double>(body.contour.count)},
           {kDensityEntryKey, "Werkstoffdichte", "rho", "kg/dm3", body.rho},
           {"arc_division_deg", "Bogenteilung", "dphi", "deg", static_cast<long double>(body.arcDivisionAngle)},
           {"exact_arcs", Oem("Bögen exakt"), "", "", context.config.exactArcs ? 1.0L : 0.0L},
           {"polygon_points", "Punkte des Rechenpolygons", "", "", static_cast<long double>(body.polygon.count)},
           {"xmin_mm", "kleinstes x", "xmin", "mm", static_cast<long double>(b.xmin)},
           {"xmax_mm", Oem("größtes x"), "xmax", "mm", static_cast<long double>(b.xmax)},
           {"ymin_mm", "kleinstes y", "ymin", "mm", static_cast<long double>(b.ymin)},
           {"ymax_mm", Oem("größtes y"), "ymax", "mm", static_cast<long double>(b.ymax)},
           {"length_mm", Oem("Länge"), "L", "mm", b.length},
           {"height_mm", Oem("Höhe"), "H", "mm", b.height}}};
}

ResultGroup SectionGroup(const Context& context) {
  const BodyResults& r = context.body.results;
  return {"section",
          "QUERSCHNITT",
          {{"A_mm2", Oem("Querschnittsfläche xy"), "Axy", "mm2", r.A},
           {"Sx_mm3", "Statisches Moment um x", "Sx", "mm3", r.Sx},
           {"Sy_mm3", "Statisches Moment um y", "Sy", "mm3", r.Sy},
           {"Ixx_mm4", Oem("Flächenmoment 2. Grades um x"), "Ixx", "mm4", r.Ixx},
           {"Iyy_mm4", Oem("Flächenmoment 2. Grades um y"), "Iyy", "mm4", r.Iyy},
           {"Ixy_mm4", "Deviationsmoment", "Ixy", "mm4", r.Ixy},
           {"Ip_mm4", Oem("Polares Flächenmoment"), "Ip", "mm4", r.Ip},
           {"xs_mm", "Schwerpunkt x", "xs", "mm", r.xs},
           {"ys_mm", "Schwerpunkt y", "ys", "mm", r.ys},
           {"Ixs_mm4", Oem("Flächenmoment um Schwerachse x"), "Ixs", "mm4", r.Ixs},
           {"Iys_mm4", Oem("Flächenmoment um Schwerachse y"), "Iys", "mm4", r.Iys},
           {"Ixys_mm4", "Deviationsmoment im Schwerpunkt", "Ixys", "mm4", r.Ixys},
           {"Ips_mm4", Oem("Polares Moment im Schwerpunkt"), "Ips", "mm4", r.Ips},
           {"alpha_deg", "Hauptachsenwinkel", "alpha", "deg", r.alpha * kDegreesPerRadian},
           {"I1_mm4", Oem("Hauptflächenmoment 1"), "I1", "mm4", r.I1},
           {"I2_mm4", Oem("Hauptflächenmoment 2"), "I2", "mm4", r.I2}}};
}

ResultGroup SolidGroup(const Context& context, const SolidProperties& solid) {
  const Body& body = context.body;
  return {"solid",
          Oem("KÖRPER"),
          {{"V_mm3", "Volumen", "V", "mm3", body.volume},
           {"m_kg", "Masse", "m", "kg", body.mass},
           {"Jx_kgm2", Oem("Massenträgheitsmoment"), "Jx", "kgm2", body.results.Jx},
           {"surface_mm2", Oem("Oberfläche"), "O", "mm2", solid.surface},
           {"xm_mm", "Massenschwerpunkt x", "xm", "mm", solid.centreOfMass},
           {"Jy_centre_kgm2", Oem("Jquer durch Schwerpunkt"), "Jys", "kgm2", solid.JyCentre},
           {"Jy_origin_kgm2", Oem("Jquer durch x = 0"), "Jy0", "kgm2", solid.JyOrigin},
           {"ix_mm", Oem("Trägheitsradius um x"), "ix", "mm", solid.gyrationX},
           {"iy_mm", Oem("Trägheitsradius quer"), "iys", "mm", solid.gyrationY}}};
}

}  // namespace

std::vector<ResultGroup> ResultCatalogue(const Context& context, const SolidProperties& solid) {
  return {InputGroup(context), SectionGroup(context), SolidGroup(context, solid)};
}

SolidProperties CurrentSolid(const Context& context, bool withElements) {
  MessageCollection reportedByTheCalculation;
  ArcModel model = context.config.exactArcs ? ArcModel::Exact : ArcModel::Chords;
  auto compute = withElements ? ComputeSolidProperties : ComputeSolidTotals;
  return compute(context.body, model, reportedByTheCalculation, context.Numbers());
}

}  // namespace kalo
