#include "output/external_program.h"

#include <sstream>
#include <vector>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "platform/paths.h"
#include "platform/platform_defaults.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

bool IsDesktopOpener(const std::string& program) { return FileNameOf(program) == DesktopOpener(); }

}  // namespace

bool ProgramExists(const Context& context, const std::string& program) {
  std::string name = TrimBlanks(program);
  if (name.empty()) return false;
  if (!DirectoryOf(name).empty()) return FileExists(name);
  std::istringstream path(context.platform.GetEnvironment("PATH"));
  for (std::string directory; std::getline(path, directory, ':');)
    if (!directory.empty() && FileExists(WithSeparator(directory) + name)) return true;
  return false;
}

bool LaunchProgram(Context& context, const std::string& program, const std::string& argument) {
  std::string name = TrimBlanks(program);
  std::vector<std::string> arguments{name};
  if (!argument.empty()) arguments.push_back(argument);
  if (ProgramExists(context, name) && context.platform.StartProcess(arguments, false)) return true;
  return IsDesktopOpener(name) && !argument.empty() && context.ui.OpenWithDesktop(argument);
}

bool StartProgramWithFile(Context& context, const std::string& program, const std::string& path) {
  if (LaunchProgram(context, program, NativePath(path))) return true;
  ErrorBox(context, TrimBlanks(program) + " not found");
  return false;
}

}  // namespace kalo
