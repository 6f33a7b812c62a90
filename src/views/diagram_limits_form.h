#pragma once
// The form model of the diagram limits dialog (TEinDiagramLimits): the four limits as
// texts, the axis texts beside them, and the actions of its buttons.
#include <string>

#include "context/diagram_state.h"
#include "numbers/number_format.h"

namespace kalo {

class DiagramLimitsForm {
 public:
  static constexpr int kHelpNumber = 1950;

  // The edits show the stored user limits; computed are the automatic limits that
  // "Calculate" puts back. Texts are code page 850.
  DiagramLimitsForm(const DiagramLimits& stored, const DiagramLimits& computed, const NumberFormat& format);

  std::string caption;
  std::string Label_x, Label_y;
  std::string Edit_xmin, Edit_ymin, Edit_xmax, Edit_ymax;
  std::string Button_ok = "OK";
  std::string Button_cancel = "Abbrechen";
  std::string Button_help = "&Hilfetext";
  std::string Button_calc = "Calculate";

  // The automatic limits back into the edits.
  void Button_calcClick();
  // Reads the four edits ("," counts as decimal point, a text that is no number gives 0)
  // into the confirmed limits.
  void Button_okClick();
  const DiagramLimits& Confirmed() const { return confirmed_; }

 private:
  void ShowLimits(const DiagramLimits& limits);

  DiagramLimits computed_;
  DiagramLimits confirmed_;
  NumberFormat format_;
};

}  // namespace kalo
