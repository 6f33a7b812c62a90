#pragma once
// The coordinate form: x, y and the arc angle of one contour element,
// shown in the current length unit and in degrees, stored in mm and radians. The spin
// button steps through the elements, "mm <--> inch" switches the length unit. Texts are
// code page 850.
#include <string>

namespace kalo {

struct Context;

class CoordinateForm {
 public:
  static constexpr int kHelpNumber = 9010;

  // Element n (1..200) of the current contour.
  CoordinateForm(Context& context, int n);

  std::string caption;                // "Koordinaten " + n
  std::string xCaption, yCaption, angleCaption;
  std::string xUnit, yUnit, angleUnit;
  std::string xText, yText, angleText;  // x, y and the arc angle as typed
  std::string okCaption = "OK";
  std::string cancelCaption = "Abbrechen";
  std::string helpCaption = "&Hilfetext";
  std::string helpPictureCaption = "Hilfe&bild";
  std::string unitSwitchCaption = "mm <--> inch";

  int Element() const { return n_; }
  // Stores the fields into the element; false (nothing stored, the field and its range
  // shown) when a field holds no number, a coordinate lies beyond the largest that can be
  // typed or the arc angle is a full turn or more. The window closes only after true.
  bool OkClick();
  // The previous / next element, after the typed values were stored; never beyond 1..count.
  void SpinDownClick();
  void SpinUpClick();
  // Stores the typed values, then shows them in the other length unit.
  void UnitSwitchClick();
  void HelpClick();
  void HelpPictureClick();

 private:
  void Show();
  bool Store();
  bool Refuse(const std::string& field, const std::string& range);
  bool InContour() const;

  Context& context_;
  int n_;
};

}  // namespace kalo
