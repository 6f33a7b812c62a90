#include "context/context.h"

#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/shipped_files.h"

namespace kalo {

std::string ProgramTitleLine() {
  return std::string(kProgramName) + "  " + Oem("Berechnung rotationssymmetrischer Körper");
}

Context::Context(Ui& ui, Platform& platform, const Clock& clock) : ui(ui), platform(platform), clock(clock) {
  state.startupDirectory = platform.CurrentDirectory();
  configDirectory = state.startupDirectory;
  dataFolders = ProgramDataFolders(ExecutablePath());
  body.Initialise(Today());
}

std::string BodyFileName(const Context& context, const std::string& extension) {
  std::string name = FileNameOf(context.state.currentFileName);
  return (name.empty() ? std::string(kShortName) : name) + "." + extension;
}

std::string Context::Today() const { return FormatDate(clock.Now(), config.dateCode); }

}  // namespace kalo
