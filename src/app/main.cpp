// The command line program: the batch chains run here without any window library.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/context.h"
#include "app/settings_load.h"
#include "app/startup.h"
#include "platform/console_ui.h"

namespace {

// SOURCE_DATE_EPOCH fixes the date and time of the output, for reproducible reports.
kalo::SystemClock ClockFromEnvironment() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  return epoch && *epoch ? kalo::SystemClock(std::atoll(epoch)) : kalo::SystemClock();
}

}  // namespace

int main(int argc, char** argv) {
  kalo::ConsoleUi ui(std::cout, std::cerr);
  kalo::PosixPlatform platform;
  kalo::SystemClock clock = ClockFromEnvironment();
  kalo::Context context(ui, platform, clock);
  context.state.arguments.assign(argv + 1, argv + argc);

  kalo::LoadSettings(context);
  kalo::StartupOutcome outcome = kalo::Startup(context);
  if (outcome.endProcess) return outcome.exitCode;
  std::cerr << "kalo: this build has no window; use " << argv[0] << " FILE.kal /I /NOGUI\n";
  return 0;
}
