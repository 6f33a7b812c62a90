// The command line program: the batch chains run here without any window library; an
// interactive run continues in the window program beside it, with the same arguments.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/program_clock.h"
#include "app/settings_load.h"
#include "app/startup.h"
#include "app/window_launch.h"
#include "context/context.h"
#include "platform/console_ui.h"

namespace {

// This program's own file, so that the window program is found beside it.
std::string OwnProgram(const char* argv0) {
  std::vector<char> buffer(4096);
  ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string(argv0);
}

// Replaces this process by the window program; returns only when that is impossible.
int StartWindowProgram(const kalo::Platform& platform, int argc, char** argv) {
  if (!kalo::HasDisplay(platform)) {
    std::cerr << "kalo: no display for the window (neither DISPLAY nor WAYLAND_DISPLAY nor QT_QPA_PLATFORM is set);"
                 " a report without window: kalo FILE.kal /I /NOGUI\n";
    return 1;
  }
  std::string windowProgram = kalo::WindowProgramPath(OwnProgram(argv[0]));
  std::vector<char*> arguments(argv, argv + argc);
  arguments.push_back(nullptr);
  arguments[0] = windowProgram.data();
  execv(windowProgram.c_str(), arguments.data());
  std::cerr << "kalo: the window program " << windowProgram << " cannot be started: " << std::strerror(errno)
            << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  kalo::PosixPlatform platform;
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (kalo::NeedsWindow(arguments)) return StartWindowProgram(platform, argc, argv);

  kalo::ConsoleUi ui(std::cout, std::cerr);
  kalo::SystemClock clock = kalo::ClockFromEnvironment();
  kalo::Context context(ui, platform, clock);
  context.state.arguments = std::move(arguments);
  kalo::LoadSettings(context);
  return kalo::Startup(context).exitCode;
}
