#include "views/diagram_limits_form.h"

#include "context/context.h"

namespace kalo {

DiagramLimitsForm::DiagramLimitsForm(const DiagramLimits& stored, const DiagramLimits& computed,
                                     const NumberFormat& format)
    : caption(ProgramTitleLine()), computed_(computed), confirmed_(stored), format_(format) {
  ShowLimits(stored);
}

void DiagramLimitsForm::ShowLimits(const DiagramLimits& limits) {
  xMin = FormatSignificant(limits.xmin, format_);
  yMin = FormatSignificant(limits.ymin, format_);
  xMax = FormatSignificant(limits.xmax, format_);
  yMax = FormatSignificant(limits.ymax, format_);
}

void DiagramLimitsForm::CalculateClick() { ShowLimits(computed_); }

void DiagramLimitsForm::OkClick() {
  // ParseReal leaves a limit at 0 when its text is no number.
  confirmed_ = {};
  ParseReal(xMin, confirmed_.xmin);
  ParseReal(yMin, confirmed_.ymin);
  ParseReal(xMax, confirmed_.xmax);
  ParseReal(yMax, confirmed_.ymax);
}

}  // namespace kalo
