#pragma once
// The frame of a diagram: title, axes with arrowheads, ticks with numbers, axis texts and
// a dotted grid, with rounded limits or, for CAD output, limits the user enters.
#include <string>

namespace kalo {

struct Context;

// Label placement of the x axis text: 0 or 1 beyond the axis end below it, 2 just above
// the axis end, any other value none. With the diagram's equal scale one axis shows more
// than asked for. Afterwards the diagram maps data into its area.
void DrawDiagram(Context& context, const std::string& xText, const std::string& yText, const std::string& title,
                 long double xmin, long double ymin, long double xmax, long double ymax, int labelPlacement);

}  // namespace kalo
