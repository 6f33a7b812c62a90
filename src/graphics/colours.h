#pragma once
// Screen colour numbers, AutoCAD colour indexes and line styles of the screen graphics
// and the graphics printout.
#include <array>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace kalo {

// Screen colour numbers run 0..16; 0 stands for the configured background colour.
inline constexpr int kMaxColour = 16;
inline constexpr int kAcadNamedColours = 16;

// Line style codes; any other code draws solid.
inline constexpr int kSolidLine = 0;
inline constexpr int kDottedLine = 1;
inline constexpr int kDashDotLine = 2;
inline constexpr int kDashedLine = 3;

// The drawn colour of the screen colour numbers 1..16; black for any other number.
Rgb PaletteColour(int colour);
// A Windows colour value (red in the lowest byte), such as "Hintergrundfarbe".
Rgb ColourOfValue(int value);

// Screen colour number of an AutoCAD colour index, taken on its low byte.
int GetColorTurbo(int aci);

// Line style code of a line type name ("DASHED", "CENTER", ...), compared exactly.
int LineStyleForName(const std::string& name);
PenStyle PenStyleOfCode(int code);

// Code page 850 names of the AutoCAD colour indexes 1..16.
const std::array<std::string, kAcadNamedColours>& AcadColourNames();
// The selection list entries "1 (rot)" .. "16 (schwarz)" in code page 850.
std::vector<std::string> AcadColourChoiceItems();

}  // namespace kalo
