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
  std::string xCaption, yCaption;
  std::string xMin, yMin, xMax, yMax;
  std::string okCaption = "OK";
  std::string cancelCaption = "Abbrechen";
  std::string helpCaption = "&Hilfetext";
  std::string calculateCaption = "Calculate";

  // The automatic limits back into the edits.
  void CalculateClick();
  // Reads the four edits ("," counts as decimal point, a text that is no number gives 0)
  // into the confirmed limits.
  void OkClick();
  const DiagramLimits& Confirmed() const { return confirmed_; }

 private:
  void ShowLimits(const DiagramLimits& limits);

  DiagramLimits computed_;
  DiagramLimits confirmed_;
  NumberFormat format_;
};

}  // namespace kalo
