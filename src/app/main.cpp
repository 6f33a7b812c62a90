#include <iostream>
#include <string>
#include <vector>

#include "app/context.h"
#include "platform/console_ui.h"

int main(int argc, char** argv) {
  kalo::ConsoleUi ui(std::cout, std::cerr);
  kalo::PosixPlatform platform;
  kalo::SystemClock clock;
  kalo::Context context(ui, platform, clock);
  context.state.arguments.assign(argv + 1, argv + argc);
  return 0;
}
