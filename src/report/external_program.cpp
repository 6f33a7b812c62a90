#include "report/external_program.h"

#include <sstream>

#include "app/context.h"
#include "help/message_boxes.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {

bool ProgramExists(const Context& context, const std::string& program) {
  std::string name = TrimBlanks(program);
  if (name.empty()) return false;
  if (!DirectoryOf(name).empty()) return FileExists(name);
  std::istringstream path(context.platform.GetEnvironment("PATH"));
  for (std::string directory; std::getline(path, directory, ':');)
    if (!directory.empty() && FileExists(WithSeparator(directory) + name)) return true;
  return false;
}

bool StartProgramWithFile(Context& context, const std::string& program, const std::string& path) {
  if (ProgramExists(context, program) &&
      context.platform.StartProgram(TrimBlanks(program) + " " + NativePath(path), false))
    return true;
  ErrorBox(context, TrimBlanks(program) + " not found");
  return false;
}

}  // namespace kalo
