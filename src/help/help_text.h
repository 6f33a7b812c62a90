#pragma once
// Numbered help texts of the dialog steps, in "vortane.hlp" (numbers below 4000) and
// "kalo.hlp" (from 4000) in the help picture folder, else in the program's data folder. An
// entry is a header line whose first four characters are its number (a multiple of 5),
// optionally ":" and the name of its help picture, then up to five text lines; lines
// numbered number + 1 .. + 4 carry their text on the line after them.
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
// The lines joined by single blanks (code page 850).
std::string JoinedHelpText(const Context& context, int number);
// The same in the window code page (Windows-1252).
std::string GetHelpText(const Context& context, int number);
// The tooltip of a control with this help number (0: the current one), code page 850; empty
// when the help level "Hilfegrad" is 0 or there is no help number.
std::string HelpToolTip(const Context& context, int number);
// Mode 0 or 1 shows the text in a box captioned "HILFETEXT Nr.<n>"; modes 0 and 2 clear the
// graphics window and draw the entry's help picture there. Clears the cancel flag.
void ShowHelp(Context& context, int number, int mode);
// The help number of the dialog step that follows: its help buttons show that help.
void SetHelpNumber(Context& context, int number);

}  // namespace kalo
