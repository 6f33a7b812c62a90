#pragma once
// The contour import from DXF drawings (File Import DXF, and a drawing named on the command
// line): the closed loop of lines, arcs, circles and polylines on the contour's layer
// becomes the body's contour.
#include <string>

namespace kalo {

struct Context;

// Which loop a drawing with several closed loops gives.
enum class DxfLoopChoice {
  Ask,      // the user chooses from a list; cancelling ends the import quietly
  Largest,  // the loop with the largest area, where no one can answer (batch chains)
};

// Replaces the body's contour, and nothing else of the body, by the drawing's contour.
// Curves on the layer the program draws contours on are taken when the drawing has any,
// otherwise curves on every layer; curves that belong to no closed loop are ignored.
// On success the body is calculated, the modified flag and the cancel flag are clear, and
// the result is true. A drawing that cannot be used gets an error box naming the file and
// what was found in it; then the cancel flag is set, the body stays exactly as it was and
// the result is false.
bool ImportDxfContour(Context& context, const std::string& path, DxfLoopChoice choice = DxfLoopChoice::Ask);

// A name with the extension "dxf" in any letter case.
bool IsDxfFileName(const std::string& name);

}  // namespace kalo
