#include "report/foreign_solid_lines.h"

#include "platform/codepage.h"
#include "report/json_results.h"

namespace kalo {
namespace {

// Density in kg/dm³ is 1.0E-6 kg/mm³; a mass moment in kg·mm² is 1.0E-6 kg·m².
constexpr long double kKgPerMm3 = 1.0E-6L;
constexpr long double kM2PerMm2 = 1.0E-6L;

long double Mass(const ForeignSolid& solid, long double rho) { return solid.volume * rho * kKgPerMm3; }
long double Inertia(long double perDensity, long double rho) { return perDensity * rho * kKgPerMm3 * kM2PerMm2; }

std::string Triple(const long double* values, const NumberFormat& format, const char* separator) {
  return FormatSmallOrLarge(values[0], format) + separator + FormatSmallOrLarge(values[1], format) + separator +
         FormatSmallOrLarge(values[2], format);
}

}  // namespace

std::vector<std::string> ForeignSolidLines(const ForeignSolid& solid, long double rho, const NumberFormat& format) {
  NumberFormat precise{format.decimals + 6, format.decimalComma};
  long double inertia[3] = {Inertia(solid.inertia[0], rho), Inertia(solid.inertia[1], rho),
                            Inertia(solid.inertia[2], rho)};
  return {
      Oem("STEP-KÖRPER: Werte des Körpers selbst (OpenCascade), keine Kontur"),
      Oem("  ") + solid.reason,
      "  Volumen V = " + FormatSignificant(solid.volume, precise) + " mm3",
      "  Masse m = " + FormatSignificant(Mass(solid, rho), precise) + " kg (Dichte " +
          FormatSignificant(rho, format) + " kg/dm3)",
      Oem("  Oberfläche O = ") + FormatSignificant(solid.surface, precise) + " mm2",
      "  Schwerpunkt (x, y, z) = (" + Triple(solid.centre, precise, ", ") + ") mm",
      Oem("  Trägheitsmomente um den Schwerpunkt: um die gefundene Achse, quer dazu = ") +
          Triple(inertia, precise, "; ") + " kgm2",
  };
}

std::string ForeignSolidJson(const ForeignSolid& solid, long double rho) {
  auto member = [](const char* key, const std::string& value) { return JsonString(key) + ": " + value; };
  auto triple = [](const long double* v) {
    return "[" + JsonNumber(v[0]) + ", " + JsonNumber(v[1]) + ", " + JsonNumber(v[2]) + "]";
  };
  long double inertia[3] = {Inertia(solid.inertia[0], rho), Inertia(solid.inertia[1], rho),
                            Inertia(solid.inertia[2], rho)};
  return JsonString("step_solid") + ": {" + member("source", JsonString("OpenCascade, the STEP solid itself")) + ", " +
         member("reason", JsonString(solid.reason)) + ", " + member("volume_mm3", JsonNumber(solid.volume)) + ", " +
         member("mass_kg", JsonNumber(Mass(solid, rho))) + ", " + member("surface_mm2", JsonNumber(solid.surface)) +
         ", " + member("centre_of_mass_mm", triple(solid.centre)) + ", " +
         member("inertia_axis_across_across_kgm2", triple(inertia)) + "}";
}

}  // namespace kalo
