#pragma once
// The standard questions of the program. Each sets the cancel flag when the user cancels
// (the value then stays as it was) and clears it on OK; every text is code page 850.
#include <string>

#include "dialogs/line_list.h"

namespace kalo {

struct Context;

inline constexpr int kRealTextLength = 30;
inline constexpr int kShownLines = 22;

// A line of text of at most maxLength characters; true on OK.
bool AskText(Context& context, const std::string& prompt, int maxLength, std::string& value);
// A real in lower..upper, asked again after "Gültiger Wertebereich: lo .. hi !" until it
// fits; "," and "." both mark the decimals. True on OK.
bool AskReal(Context& context, const std::string& prompt, long double& value, long double upper, long double lower);
// One of the first n lines of the list; index is 1-based (0 or above n preselects 1).
// Up to seven items are shown as radio buttons, more as a list. True on OK.
bool AskChoice(Context& context, const std::string& title, const LineList& lines, int n, int& index);
// Yes or no, preselected "&Nein" when the default letter is "N" or "n"; the default on cancel.
bool AskYesNoChoice(Context& context, const std::string& prompt, char defaultLetter);
// A directory, starting at the given one when it exists, else in the working directory.
// Cancel keeps the directory and clears the cancel flag. True when one was chosen.
bool AskDirectory(Context& context, std::string& directory);
// An existing file matching the mask ("*.kal"), starting in the directory of path. True on OK.
bool AskFile(Context& context, std::string& path, const std::string& mask);
// An AutoCAD colour number 1..16 from the list "1 (rot)" .. "16 (schwarz)". True on OK.
bool AskColour(Context& context, int& colour);
// The first 22 lines of the list in a window titled with the program's name.
void ShowLines(Context& context, const LineList& lines);
// A plain message window under the program's name.
void ShowText(Context& context, const std::string& text);

}  // namespace kalo
