// The command line: the input's lines are the arguments.
#include <string>
#include <vector>

#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/window_launch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> arguments;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  for (size_t start = 0; start <= bytes.size();) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    arguments.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  kalo::Command command = kalo::ParseCommandLine(arguments);
  (void)kalo::BatchSwitchProblem(command);
  (void)kalo::HasNoGuiSwitch(arguments);
  (void)kalo::NeedsWindow(arguments);
  return 0;
}
