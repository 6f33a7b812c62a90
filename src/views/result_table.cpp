#include "views/result_table.h"

#include "cad/cad_driver.h"
#include "context/context.h"
#include "platform/codepage.h"
#include "views/text_table.h"
#include "views/view_style.h"

namespace kalo {
namespace {

// Below this a mass moment of inertia is shown in g·mm² instead of kg·m².
constexpr long double kSmallInertia = 1e-4L;
constexpr long double kGmm2PerKgm2 = 1e9L;

}  // namespace

void DrawResultTable(Context& context, long double x, long double y, long double h) {
  if (context.messages.Fatal()) return;
  const Body& body = context.body;
  const NumberFormat format = context.Numbers();
  const UnitSystem units = context.Units();
  auto significant = [&format](long double value) { return FormatSignificant(value, format); };
  bool smallInertia = body.results.Jx < kSmallInertia;

  CadSetLayer(context, kLayerTable);
  TextTable table(context, x, y, h, {25, 6, 6, 10}, Oem("Rotationskörper"));
  table.Row({Oem("Querschnittsfläche"), "Axy", AreaUnitText(units), significant(AreaForDisplay(body.results.A, units))});
  table.Row({"Volumen", "V", VolumeUnitText(units), significant(VolumeForDisplay(body.volume, units))});
  table.Row({"Dichte des Werkstoffs", "rho", "kg/dm3", significant(body.rho)});
  table.Row({"Masse", "m", "kg", significant(body.mass)});
  table.Row({Oem("Massenträgheitsmoment"), "Jx", smallInertia ? "gmm2" : "kgm2",
             significant(smallInertia ? body.results.Jx * kGmm2PerKgm2 : body.results.Jx)});
  CadSetLayer(context, kLayerTable);
}

}  // namespace kalo
