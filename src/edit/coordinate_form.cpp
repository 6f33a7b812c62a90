#include "edit/coordinate_form.h"

#include <cmath>

#include "context/context.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "model/length_entry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// An arc of a full turn or more has no end point of its own.
constexpr long double kFullTurnDegrees = 360;

}  // namespace

CoordinateForm::CoordinateForm(Context& context, int n) : context_(context), n_(n) { Show(); }

void CoordinateForm::Show() {
  const ContourElement& element = context_.body.contour[n_];
  UnitSystem units = context_.Units();
  NumberFormat format = context_.Numbers();
  std::string number = std::to_string(n_);
  caption = "Koordinaten " + number;
  Label_y = "X " + number;
  Label_z = "Y " + number;
  Label_w = "Kreisbogenwinkel " + number + "-" + std::to_string(n_ + 1);
  Label_yu = Label_zu = LengthUnitText(units);
  Label_wu = AngleUnitText(units);
  Edit_y = LengthForEntry(element.x, units, format);
  Edit_z = LengthForEntry(element.y, units, format);
  Edit_w = AngleForEntry(element.phi, format);
}

// A field that holds no number, or one out of range, keeps the form open: the message names
// the field and the range.
bool CoordinateForm::Refuse(const std::string& field, const std::string& range) {
  context_.ui.Beep();
  ShowText(context_, field + ": " + range);
  return false;
}

bool CoordinateForm::Store() {
  UnitSystem units = context_.Units();
  std::optional<long double> x = LengthFromEntry(Edit_y, units), y = LengthFromEntry(Edit_z, units);
  std::optional<long double> phi = AngleFromEntry(Edit_w);
  NumberFormat format = context_.Numbers();
  std::string lengthRange = Oem("Gültiger Wertebereich: ") + FormatSmallOrLarge(-kLargestTypedLength, format) +
                            " .. " + FormatSmallOrLarge(kLargestTypedLength, format) + " !";
  if (!x) return Refuse(Label_y, lengthRange);
  if (!y) return Refuse(Label_z, lengthRange);
  if (!phi || !(std::fabs(RadiansToDegrees(*phi)) < kFullTurnDegrees))
    return Refuse(Label_w, Oem("Gültiger Wertebereich: -360 .. 360 (ohne -360 und 360) !"));
  context_.body.contour[n_] = {*x, *y, *phi};
  return true;
}

bool CoordinateForm::InContour() const { return n_ >= 1 && n_ <= context_.body.contour.count; }

bool CoordinateForm::Button_okClick() {
  if (!Store()) return false;
  context_.state.cancel = false;
  return true;
}

void CoordinateForm::SpinDownClick() {
  if (InContour() && !Store()) return;
  if (n_ > 1) --n_;
  Show();
}

void CoordinateForm::SpinUpClick() {
  if (InContour() && !Store()) return;
  if (n_ < context_.body.contour.count) ++n_;
  Show();
}

void CoordinateForm::Button_metricClick() {
  if (!Store()) return;
  context_.config.units =
      context_.config.units == UnitSetting::Metric ? UnitSetting::English : UnitSetting::Metric;
  Show();
}

void CoordinateForm::Button_helpClick() { ShowHelp(context_, kHelpNumber, 1); }

void CoordinateForm::Button_hilfebildClick() {
  if (!Store()) return;
  ShowHelp(context_, kHelpNumber, 2);
  Show();
}

}  // namespace kalo
