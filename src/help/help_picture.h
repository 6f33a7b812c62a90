#pragma once
// Help pictures: HP-GL plot files "<name>.plt" in the help picture folder (else the
// program's data folder), drawn on the graphics window into a world window of 160 by 120 mm.
#include <string>

namespace kalo {

struct Context;

inline constexpr long double kHelpPictureWidth = 160;
inline constexpr long double kHelpPictureHeight = 120;

std::string HelpPicturePath(const Context& context, const std::string& name);
// Plots one plot file on the graphics window as it is. A file that cannot be read puts
// "<file> nicht gefunden !" on the window instead and sets the cancel flag.
void DrawHelpPicture(Context& context, const std::string& path);
// Clears the graphics window, sets the world window of the help pictures and draws the
// picture of that base name (none for an empty name).
void ShowHelpPicture(Context& context, const std::string& name);
// The same for a plot file anywhere.
void ShowHelpPictureFile(Context& context, const std::string& path);
// The whole file; false when it cannot be read.
bool ReadPlotFile(const std::string& path, std::string& bytes);

}  // namespace kalo
