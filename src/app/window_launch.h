#pragma once
// How the command line program hands an interactive run to the window program kalo-gui.
#include <string>
#include <vector>

namespace kalo {

class Platform;

inline constexpr const char* kWindowProgramName = "kalo-gui";

// True when the command line asks for the window: no batch chain, no usage screen, no
// /NOGUI and no unknown switch.
bool NeedsWindow(const std::vector<std::string>& arguments);
// A display for the window: DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set.
bool HasDisplay(const Platform& platform);
// The window program beside the given program file.
std::string WindowProgramPath(const std::string& ownProgram);

}  // namespace kalo
