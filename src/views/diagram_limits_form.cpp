#include "views/diagram_limits_form.h"

#include "context/context.h"

namespace kalo {

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

void DiagramLimitsForm::OkClick() {
  // ParseReal leaves a limit at 0 when its text is no number.
  confirmed_ = {};
  ParseReal(Edit_xmin, confirmed_.xmin);
  ParseReal(Edit_ymin, confirmed_.ymin);
  ParseReal(Edit_xmax, confirmed_.xmax);
  ParseReal(Edit_ymax, confirmed_.ymax);
}

}  // namespace kalo
