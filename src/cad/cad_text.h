#pragma once
// Texts of the CAD output: the conversion by the CAD text mode, the text style rule and
// the header line of the screen drawing.
#include <string>

#include "context/cad_target.h"

namespace kalo {

struct Configuration;
struct Context;

// A code page 850 text as a CAD file carries it: mode 1 unchanged, 2 in the window code
// page (display conversion), 3 pure ASCII ("Maß 20°" becomes "Mass 20deg", "Ø" becomes "D").
// Any other mode counts as 1.
std::string CadFileText(const std::string& cp850, int mode, bool plainLetters);

// The text state for a style call: height and rotation as given, width factor
// "Textbreitenfaktor CAD" × width / height (× 0.7 when no width is given), oblique angle
// "Textwinkel".
CadTextState TextStateFor(const Configuration& config, long double angle, long double height, long double width);

// The one-line header of a screen drawing: date and time, maker, program and version, and
// the data file's full name (long names shortened in the middle).
std::string ScreenHeaderText(const Context& context);

}  // namespace kalo
