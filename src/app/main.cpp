// The command line program: the batch chains run here without any window library; an
// interactive run continues in the window program beside it, with the same arguments.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/program_clock.h"
#include "app/settings_load.h"
#include "app/startup.h"
#include "app/window_launch.h"
#include "context/context.h"
#include "platform/console_ui.h"
#include "platform/file_system_faults.h"
#include "platform/signal_cleanup.h"

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

// The test seam for signals: with KALO_STOP_BEFORE_RENAME set, the process stops itself
// (SIGSTOP) when a complete output is about to take its target's place, so that a test can
// deliver a signal at that known point.
class StopBeforeRename : public kalo::FileSystemFaults {
 public:
  int Fault(kalo::FileStep step, const std::string&) override {
    if (step == kalo::FileStep::kRename) raise(SIGSTOP);
    return 0;
  }
};

int RunCommandLine(int argc, char** argv) {
  kalo::PosixPlatform platform;
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (kalo::NeedsWindow(arguments)) return StartWindowProgram(platform, argc, argv);

  kalo::RemovePendingOnSignals();
  StopBeforeRename stop;
  std::optional<kalo::ScopedFileSystemFaults> stopping;
  if (!platform.GetEnvironment("KALO_STOP_BEFORE_RENAME").empty()) stopping.emplace(stop);

  kalo::ConsoleUi ui(std::cout, std::cerr);
  kalo::SystemClock clock = kalo::ClockFromEnvironment();
  kalo::Context context(ui, platform, clock);
  context.state.arguments = std::move(arguments);
  kalo::LoadSettings(context);
  return kalo::Startup(context).exitCode;
}

}  // namespace

// Memory running out anywhere ends the run with its cause, never with an abort; every
// output written so far is complete, and none is half written.
int main(int argc, char** argv) {
  try {
    return RunCommandLine(argc, argv);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  std::cerr << "kalo: zu wenig Speicher\n";
  return 1;
}
