#include "app/window_launch.h"

#include "app/command_line.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace kalo {

bool NeedsWindow(const std::vector<std::string>& arguments) {
  switch (ParseCommandLine(arguments).kind) {
    case CommandKind::Interactive:
    case CommandKind::InteractiveNamed:
    case CommandKind::InteractiveWithFile:
      return true;
    default:
      return false;
  }
}

bool HasDisplay(const Platform& platform) {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!platform.GetEnvironment(name).empty()) return true;
  return false;
}

std::string WindowProgramPath(const std::string& ownProgram) {
  return DirectoryOf(ownProgram) + kWindowProgramName;
}

}  // namespace kalo
