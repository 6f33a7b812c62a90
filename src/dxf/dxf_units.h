#pragma once
// The length unit of a drawing: what $INSUNITS says, or what the user states.
#include <optional>
#include <string>

#include "dxf/dxf_drawing.h"

namespace kalo {

// A unit the user can state for a drawing (the /UNITS switch).
enum class DxfUnitChoice { Millimetre, Inch, Metre };
// "mm", "in" or "m" in any letter case; none for anything else.
std::optional<DxfUnitChoice> DxfUnitChoiceOf(const std::string& text);

struct DxfUnit {
  long double millimetres = 1;  // per drawing unit
  // Said in the messages when the drawing is not simply in mm (code page 850); else empty.
  std::string message;
  bool stated = false;  // by the user, not by the drawing's header
};

// The stated unit wins over the header's.
DxfUnit DrawingUnit(const DxfHeader& header, std::optional<DxfUnitChoice> stated);

}  // namespace kalo
