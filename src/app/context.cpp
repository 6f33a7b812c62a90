#include "app/context.h"

#include "platform/codepage.h"

namespace kalo {

std::string ProgramTitleLine() {
  return std::string(kProgramName) + "  " + Oem("Berechnung rotationssymmetrischer Körper");
}

Context::Context(Ui& ui, Platform& platform, const Clock& clock) : ui(ui), platform(platform), clock(clock) {
  state.startupDirectory = platform.CurrentDirectory();
  configDirectory = state.startupDirectory;
  body.Initialise(Today());
}

std::string Context::Today() const { return FormatDate(clock.Now(), config.dateCode); }

}  // namespace kalo
