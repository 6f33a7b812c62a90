#pragma once
// The HP-GL interpreter of the help pictures: plots the commands of a plot file on the
// graphics window. Coordinates and radii are plotter units of 0.025 mm; PU, PD, PA, SP, CI,
// AA, SI, DI, LB, PE and CS draw or change the pen state, every other command is skipped.
#include <string_view>

#include "graphics/hpgl_pen_state.h"

namespace kalo {

class ScreenPlotter;

inline constexpr long double kMmPerPlotterUnit = 0.025L;
inline constexpr int kLabelEnd = 3;  // ETX ends the text of LB

// The screen colour that draws with a pen: pens 1..7 have their own, any other pen number
// is the colour number itself.
int ColourOfPen(int pen);

// Plots the bytes of a plot file; the pen state carries over from the picture before and to
// the next. Stops at the end of the bytes or when cancel becomes true.
void PlotHpgl(std::string_view bytes, ScreenPlotter& plotter, HpglPenState& pen, const bool& cancel);

}  // namespace kalo
