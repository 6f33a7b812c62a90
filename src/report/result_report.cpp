#include "report/result_report.h"

#include <numbers>

#include "context/context.h"
#include "output/line_layout.h"
#include "output/table_writer.h"
#include "output/text_output.h"
#include "platform/codepage.h"
#include "report/message_block.h"

namespace kalo {
namespace {

constexpr long double kGramsPerKilogram = 1000;
constexpr long double kSmallInertia = 1.0E-4L;
constexpr long double kGmm2PerKgm2 = 1.0E9L;

// The width of a fixed-form column after the adjustment by the configured decimals.
int FixedWidth(int width, int decimals, const NumberFormat& format) {
  int d = AdjustDecimals(decimals, format);
  return d == 0 ? width : width + d + 1;
}

void WriteContourTable(Context& context, TextOutput& output) {
  NumberFormat format = context.Numbers();
  UnitSystem units = context.Units();
  int width = units.inch ? 6 : 7, decimals = units.inch ? 4 : 3;
  std::string length = LengthUnitText(units);
  int coordinateWidth = FixedWidth(width, decimals, format);
  TableWriter table(output, {"  i", "       x " + length, "       y " + length, "    phi " + AngleUnitText(units)},
                    {3, coordinateWidth, coordinateWidth, FixedWidth(8, 1, format)});
  table.SetRowSeparators(false);
  const Contour& contour = context.body.contour;
  for (int i = 1; i <= contour.count; ++i) {
    const ContourElement& element = contour[i];
    table.WriteRow({RightAligned(std::to_string(i), 3),
                    FormatFixed(LengthForDisplay(element.x, units), width, decimals, format),
                    FormatFixed(LengthForDisplay(element.y, units), width, decimals, format),
                    FormatFixed(element.phi * 180 / std::numbers::pi_v<long double>, 8, 1, format)});
  }
  table.Close();
}

void WriteResults(Context& context, TextOutput& output) {
  NumberFormat format = context.Numbers();
  UnitSystem units = context.Units();
  const Body& body = context.body;
  output.Line(" ");
  output.Line("ERGEBNISSE");
  output.Separator(SeparatorKind::Thick);
  output.ResultLine(Oem("Querschnittsfläche xy"), "Axy", AreaUnitText(units),
                    FormatSignificant(AreaForDisplay(body.results.A, units), format));
  output.ResultLine("Werkstoffdichte", "rho", "kg/dm3", FormatSignificant(body.rho, format));
  output.ResultLine("Volumen", "V", VolumeUnitText(units),
                    FormatSignificant(VolumeForDisplay(body.volume, units), format));
  MassLine(context, output, "Masse", "m", body.mass);
  InertiaLine(context, output, Oem("Massenträgheitsmoment"), "Jx", FormatSmallOrLarge(body.results.Jx, format));
}

}  // namespace

void MassLine(Context& context, TextOutput& output, const std::string& label, const std::string& symbol,
              long double kg) {
  NumberFormat format = context.Numbers();
  if (kg >= 1)
    output.ResultLine(label, symbol, "kg", FormatSignificant(kg, format));
  else
    output.ResultLine(label, symbol, "g", FormatSignificant(kg * kGramsPerKilogram, format));
}

void InertiaLine(Context& context, TextOutput& output, const std::string& label, const std::string& symbol,
                 const std::string& valueText) {
  long double value = 0;
  if (ParseReal(valueText, value) && value < kSmallInertia)
    output.ResultLine(label, symbol, "gmm2", FormatSignificant(value * kGmm2PerKgm2, context.Numbers()));
  else
    output.ResultLine(label, symbol, "kgm2", valueText);
}

bool Report(Context& context, int kind) { return Report(context, kind, nullptr); }

bool Report(Context& context, int kind, const ReportAppendix& appendix) {
  const DrawingTexts& texts = context.body.texts;
  TextOutput output(context);
  output.SetHeaderTexts({ProgramTitleLine(), texts.remarks[0], texts.remarks[1], texts.remarks[2], ""});
  if (context.messages.Fatal()) return false;
  context.ui.SetWaitCursor(true);
  if (output.Open(kind == kReportBatch ? kTargetBatch : 0)) {
    output.PageHeader();
    output.Line("");
    if (kind == kReportStandard && context.body.contour.count > 0) {
      output.Line("GEOMETRIE KONTUR");
      WriteContourTable(context, output);
    }
    // A STEP solid refused as a contour has only its own values, which the notes give.
    if (!context.state.foreignSolid || context.body.contour.count > 0) WriteResults(context, output);
    WriteImportNotes(context, output);
    output.EndPage();
    if (!context.messages.Empty()) {
      output.PageHeader();
      WriteMessageBlock(context, output);
      output.EndPage();
    }
    if (appendix) {
      output.PageHeader();
      appendix(output);
      output.EndPage();
    }
  }
  bool written = output.Close();
  context.ui.SetWaitCursor(false);
  return written;
}

}  // namespace kalo
