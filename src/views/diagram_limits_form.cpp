#include "views/diagram_limits_form.h"

#include "app/context.h"

namespace kalo {
namespace {

long double NumberOrZero(const std::string& text) {
  long double value = 0;
  return ParseReal(text, value) ? value : 0;
}

}  // namespace

DiagramLimitsForm::DiagramLimitsForm(const DiagramLimits& stored, const DiagramLimits& computed,
                                     const NumberFormat& format)
    : caption(ProgramTitleLine()), computed_(computed), confirmed_(stored), format_(format) {
  ShowLimits(stored);
}

void DiagramLimitsForm::ShowLimits(const DiagramLimits& limits) {
  Edit_xmin = FormatSignificant(limits.xmin, format_);
  Edit_ymin = FormatSignificant(limits.ymin, format_);
  Edit_xmax = FormatSignificant(limits.xmax, format_);
  Edit_ymax = FormatSignificant(limits.ymax, format_);
}

void DiagramLimitsForm::Button_calcClick() { ShowLimits(computed_); }

void DiagramLimitsForm::Button_okClick() {
  confirmed_ = {NumberOrZero(Edit_xmin), NumberOrZero(Edit_ymin), NumberOrZero(Edit_xmax), NumberOrZero(Edit_ymax)};
}

}  // namespace kalo
