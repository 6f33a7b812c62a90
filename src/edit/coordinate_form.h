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
  std::string Label_y, Label_z, Label_w;
  std::string Label_yu, Label_zu, Label_wu;
  std::string Edit_y, Edit_z, Edit_w;  // x, y and the arc angle as typed
  std::string Button_ok = "OK";
  std::string Button_cancel = "Abbrechen";
  std::string Button_help = "&Hilfetext";
  std::string Button_hilfebild = "Hilfe&bild";
  std::string Button_metric = "mm <--> inch";

  int Element() const { return n_; }
  // Stores the fields into the element; false (nothing stored, the field and its range
  // shown) when a field holds no number, a coordinate lies beyond the largest that can be
  // typed or the arc angle is a full turn or more. The window closes only after true.
  bool Button_okClick();
  // The previous / next element, after the typed values were stored; never beyond 1..count.
  void SpinDownClick();
  void SpinUpClick();
  // Stores the typed values, then shows them in the other length unit.
  void Button_metricClick();
  void Button_helpClick();
  void Button_hilfebildClick();

 private:
  void Show();
  bool Store();
  bool Refuse(const std::string& field, const std::string& range);
  bool InContour() const;

  Context& context_;
  int n_;
};

}  // namespace kalo
