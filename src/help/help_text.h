#pragma once
// Numbered help texts of the dialog steps, in "vortane.hlp" (numbers below 4000) and
// "kalo.hlp" (from 4000) in the help picture folder. An entry is a header line whose
// first four characters are its number (a multiple of 5), optionally ":" and the name of
// its help picture, then up to five text lines; lines numbered number + 1 .. + 4 carry
// their text on the line after them.
#include <string>
#include <vector>

namespace kalo {

struct Context;

inline constexpr int kMaxHelpLines = 5;
inline constexpr int kOwnHelpFrom = 4000;

struct HelpText {
  std::vector<std::string> lines;  // code page 850; the not-found text when there is no entry
  std::string picture;             // base name of the help picture, empty for none
};

std::string HelpFilePath(const Context& context, int number);
// The entry of the number (0: the current help number).
HelpText LookUpHelp(const Context& context, int number);
// The lines joined by single blanks, in the window code page (for tooltips).
std::string GetHelpText(const Context& context, int number);
// Mode 0 or 1 shows the text in a box captioned "HILFETEXT Nr.<n>"; the help picture of
// modes 0 and 2 is drawn by the help picture window. Clears the cancel flag.
void ShowHelp(Context& context, int number, int mode);

}  // namespace kalo
