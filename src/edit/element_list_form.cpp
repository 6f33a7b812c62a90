#include "edit/element_list_form.h"

#include <cstdio>

#include "context/context.h"
#include "calc/contour_check.h"
#include "help/help_text.h"
#include "help/message_summary.h"
#include "model/length_entry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr size_t kLineLength = 65;

std::string LengthColumn(long double mm, const UnitSystem& units, const NumberFormat& format) {
  constexpr int kMmWidth = 5, kMmDecimals = 3, kInchWidth = 4, kInchDecimals = 4;
  if (units.inch) return FormatFixed(LengthForDisplay(mm, units), kInchWidth, kInchDecimals, format);
  return FormatFixed(mm, kMmWidth, kMmDecimals, format);
}

}  // namespace

std::string ElementListLine(const Context& context, int j) {
  const ContourElement& element = context.body.contour[j];
  UnitSystem units = context.Units();
  NumberFormat format = context.Numbers();
  char position[8];
  std::snprintf(position, sizeof position, "%03d", j);
  std::string length = " " + LengthUnitText(units);
  std::string line = "Pos." + std::string(position) + ":     x=" + LengthColumn(element.x, units, format) + length +
                     "     y=" + LengthColumn(element.y, units, format) + length +
                     "     phi=" + FormatFixed(RadiansToDegrees(element.phi), 4, 1, format) + " " +
                     AngleUnitText(units);
  return line.substr(0, kLineLength);
}

ElementListForm::ElementListForm(Context& context, int selected)
    : selected(selected),
      changeCaption(Oem("&Ändern")),
      insertCaption(Oem("&Einfügen")),
      deleteCaption(Oem("&Löschen")),
      pasteCaption(Oem("&Koordinaten einfügen")),
      errorListVisible(!context.messages.Empty()),
      context_(context) {
  const Contour& contour = context.body.contour;
  for (int j = 1; j <= contour.count; ++j) ListBox1.push_back(ElementListLine(context, j));
  if (this->selected > contour.count) this->selected = 0;
  warnings = ContourWarnings(CheckContour(contour, context.body.arcDivisionAngle));
}

void ElementListForm::HelpClick() { ShowHelp(context_, kHelpNumber, 1); }

void ElementListForm::HelpPictureClick() { ShowHelp(context_, kHelpNumber, 2); }

void ElementListForm::ErrorListClick() { ShowMessageSummary(context_); }

}  // namespace kalo
