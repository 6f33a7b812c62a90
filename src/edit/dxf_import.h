#pragma once
// The contour import from DXF drawings (File Import DXF, and a drawing named on the command
// line): the closed loop of lines, arcs, circles, polylines, splines and ellipses on the
// contour's layer becomes the body's contour.
#include <optional>
#include <string>

#include "dxf/dxf_units.h"
#include "edit/dxf_axis.h"
#include "messages/outcome.h"

namespace kalo {

struct Context;

// Which loop a drawing with several closed loops gives.
enum class DxfLoopChoice {
  Ask,      // the user chooses from a list; cancelling ends the import quietly
  Largest,  // the first of the list (the likeliest contour), where no one can answer (batch chains)
};

struct DxfImportOptions {
  DxfImportOptions(DxfLoopChoice loopChoice = DxfLoopChoice::Ask) : choice(loopChoice) {}
  DxfLoopChoice choice;
  std::optional<DxfUnitChoice> units;  // none: as the drawing says
  std::optional<DxfAxisChoice> axis;   // none: found by the rules of dxf_axis.h
};

// Replaces the body's contour, and nothing else of the body, by the drawing's contour, in mm.
// Curves on the layer the program draws contours on are taken when the drawing has any,
// otherwise curves on every layer; curves that belong to no closed loop are ignored.
// On success the body is calculated, the modified flag and the cancel flag are clear,
// context.state.importNotes says what rules decided, and the result is done. A drawing that
// cannot be used gets an error box naming the file and what was found in it, which is the
// failure's message; then, as after a cancelled choice, the cancel flag is set and the body
// stays exactly as it was.
Outcome ImportDxfContour(Context& context, const std::string& path, const DxfImportOptions& options = {});

// A name with the extension "dxf" in any letter case.
bool IsDxfFileName(const std::string& name);

}  // namespace kalo
