#include "report/full_report.h"

#include <algorithm>
#include <cstdio>

#include "calc/solid_properties.h"
#include "context/context.h"
#include "material/body_material.h"
#include "numbers/number_format.h"
#include "output/text_output.h"
#include "platform/paths.h"
#include "report/result_catalogue.h"
#include "report/result_report.h"

namespace kalo {
namespace {

// The material of the table beside the density, when the body names one: its name in the
// label, its number in the value column.
void MaterialLine(const Context& context, TextOutput& output) {
  if (std::optional<MaterialRecord> material = BodyMaterial(context))
    output.ResultLine(TrimBlanks("Werkstoff " + material->name), "Nr.", "", TrimBlanks(material->key));
}

void WriteAllResults(const Context& context, TextOutput& output) {
  SolidProperties solid = CurrentSolid(context);
  NumberFormat format = context.Numbers();
  output.Line(" ");
  output.Line("ALLE ERGEBNISSE");
  output.Separator(SeparatorKind::Thick);
  for (const ResultGroup& group : ResultCatalogue(context, solid)) {
    output.Line(" ");
    output.Line(group.heading);
    output.Separator(SeparatorKind::Thin);
    for (const ResultEntry& entry : group.entries) {
      output.ResultLine(entry.label, entry.symbol, entry.unit, FormatSixDigits(entry.value, format));
      if (entry.key == kDensityEntryKey) MaterialLine(context, output);
    }
  }
  output.Line(" ");
  output.Line("ANTEILE DER ELEMENTE AN Jx");
  output.Separator(SeparatorKind::Thin);
  for (size_t i = 0; i < solid.elementJx.size(); ++i)
    output.ResultLine("Element " + std::to_string(i + 1), "Jx", "kgm2", FormatSixDigits(solid.elementJx[i], format));
}

}  // namespace

std::string FormatSixDigits(long double value, const NumberFormat& format) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6Lg", value);
  std::string formatted = text;
  if (format.decimalComma) std::replace(formatted.begin(), formatted.end(), '.', ',');
  return formatted;
}

bool FullReport(Context& context, int kind) {
  return Report(context, kind, [&context](TextOutput& output) { WriteAllResults(context, output); });
}

}  // namespace kalo
