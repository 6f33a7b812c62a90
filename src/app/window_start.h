#pragma once
// The window program's part of the start and the end: what the main window's creation and
// destruction do around it.
#include "app/startup.h"

namespace kalo {

struct Context;
struct Configuration;

struct WindowSize {
  int width = 0;
  int height = 0;
};

// After the graphics window exists: the configuration and the recent list are read and
// Start-up runs. An interactive run without a file named on the command line then shows
// the emblem until the first view is drawn.
StartupOutcome StartWindowProgram(Context& context);
// When the main window is destroyed: the recent list is written.
void EndWindowProgram(Context& context);
// The client area the configured resolution asks for (580 by 375 when none is set), kept
// within the available part of the screen.
WindowSize InitialClientSize(const Configuration& config, WindowSize available);

}  // namespace kalo
