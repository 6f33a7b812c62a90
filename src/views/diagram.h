#pragma once
// A diagram area on the drawing: data coordinates mapped into it, and the lines, texts and
// arrows drawn there through the CAD output driver.
#include <string>

#include "context/diagram_state.h"

namespace kalo {

struct Context;

void SetDiagramArea(DiagramState& diagram, long double width, long double height);
void SetDiagramOrigin(DiagramState& diagram, long double x0, long double y0);
// Area 160 x 120 at (0, 0) and a data unit per drawing unit; the user limits stay.
void ResetDiagram(DiagramState& diagram);
void SetDiagramLimits(DiagramState& diagram, long double xlo, long double xhi, long double ylo, long double yhi);
// Divides the x limits and the x step by fx and the y limits by fy.
void ScaleDiagramLimits(DiagramState& diagram, long double fx, long double fy);

long double DiagramX(const DiagramState& diagram, long double x);
long double DiagramY(const DiagramState& diagram, long double y);

// Data coordinates.
void DiagramLine(Context& context, long double x1, long double y1, long double x2, long double y2);
void DiagramText(Context& context, const std::string& text, long double x, long double y);
// Height and width grow with the area: times max(0.01 · area height, 0.00625 · area width).
void DiagramTextStyle(Context& context, int font, long double angle, long double height, long double width);

enum DiagramArrowKind : int { kArrowRight = 1, kArrowUp = 2, kArrowLeft = 3, kArrowDown = 4 };
// A filled triangle with its tip at the drawing point (x, y), size long and size / 4 wide;
// kind 0 also points right, unknown kinds draw nothing.
void DiagramArrow(Context& context, int kind, long double size, long double x, long double y);

}  // namespace kalo
