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
  xCaption = "X " + number;
  yCaption = "Y " + number;
  angleCaption = "Kreisbogenwinkel " + number + "-" + std::to_string(n_ + 1);
  xUnit = yUnit = LengthUnitText(units);
  angleUnit = AngleUnitText(units);
  xText = LengthForEntry(element.x, units, format);
  yText = LengthForEntry(element.y, units, format);
  angleText = AngleForEntry(element.phi, format);
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
  std::optional<long double> x = LengthFromEntry(xText, units), y = LengthFromEntry(yText, units);
  std::optional<long double> phi = AngleFromEntry(angleText);
  NumberFormat format = context_.Numbers();
  std::string lengthRange = Oem("Gültiger Wertebereich: ") + FormatSmallOrLarge(-kLargestTypedLength, format) +
                            " .. " + FormatSmallOrLarge(kLargestTypedLength, format) + " !";
  if (!x) return Refuse(xCaption, lengthRange);
  if (!y) return Refuse(yCaption, lengthRange);
  if (!phi || !(std::fabs(RadiansToDegrees(*phi)) < kFullTurnDegrees))
    return Refuse(angleCaption, Oem("Gültiger Wertebereich: -360 .. 360 (ohne -360 und 360) !"));
  context_.body.contour[n_] = {*x, *y, *phi};
  return true;
}

bool CoordinateForm::InContour() const { return n_ >= 1 && n_ <= context_.body.contour.count; }

bool CoordinateForm::OkClick() {
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

void CoordinateForm::UnitSwitchClick() {
  if (!Store()) return;
  context_.config.units =
      context_.config.units == UnitSetting::Metric ? UnitSetting::English : UnitSetting::Metric;
  Show();
}

void CoordinateForm::HelpClick() { ShowHelp(context_, kHelpNumber, 1); }

void CoordinateForm::HelpPictureClick() {
  if (!Store()) return;
  ShowHelp(context_, kHelpNumber, 2);
  Show();
}

}  // namespace kalo
