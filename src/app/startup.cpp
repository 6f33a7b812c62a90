#include "app/startup.h"

#include <filesystem>
#include <system_error>

#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/dxf_switches.h"
#include "app/summary.h"
#include "calc/calculation.h"
#include "config/directory_check.h"
#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "dialogs/message_boxes.h"
#include "edit/dxf_import.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "views/show_view.h"

namespace kalo {
namespace {

StartupOutcome EndProcess(int exitCode) { return {true, exitCode}; }

// An option this program does not know: the usage screen on the error stream.
StartupOutcome RefuseUnknownOption(Context& context, const Command& command) {
  context.ui.MessageBox("", "kalo: unbekannte Option " + command.fileName);
  for (const std::string& line : LongUsageLines()) context.ui.MessageBox("", line);
  return EndProcess(2);
}

// Anything at all under the name: a file, a folder, a device, a dangling link.
bool NameIsTaken(const std::string& name) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(name, error));
}

// The new body's name: a data file name is held without its extension, as the reader
// holds it, so that every name made from it gets the extension once.
std::string NewBodyName(const std::string& fileName) {
  std::string extension = std::string(".") + kDataFileExtension;
  return fileName.ends_with(extension) ? fileName.substr(0, fileName.size() - extension.size()) : fileName;
}

// A file named on the command line for the interactive run. An existing file is read as
// File → Öffnen reads it; one that cannot be read is reported and the run starts with the
// empty, unnamed body, so that saving never goes over it. A name that does not exist yet
// names the new body, when a file can be written under it.
StartupOutcome OpenCommandLineFile(Context& context, const Command& command) {
  if (command.fileName.find('.') == std::string::npos) {
    InfoBox(context, Oem("Erweiterung .") + kDataFileExtension + " " + Oem("muß mit angegeben werden"));
    return EndProcess(0);
  }
  context.state.commandLineFile = true;
  if (NameIsTaken(command.fileName)) {
    if (ReadDataFile(context, command.fileName)) ShowDrawingAfterStart(context);
    return {};
  }
  CheckOutputFile(context, command.fileName);
  if (context.state.cancel) return EndProcess(0);
  context.state.currentFileName = NewBodyName(command.fileName);
  return {};
}

// A DXF drawing named on the command line is imported into an unnamed body; like a data
// file named there, it keeps names relative to the working directory. A drawing that
// cannot be used leaves the empty body after its message.
void ImportCommandLineDrawing(Context& context, const Command& command) {
  if (ImportDrawingAsSwitched(context, command.fileName, DxfLoopChoice::Ask)) ShowDrawingAfterStart(context);
  context.state.commandLineFile = true;
  context.state.cancel = false;
}

bool IsValidUserDirectory(const std::string& answer) {
  return !answer.empty() && answer != ".." && answer != "\\" && answer != "/" &&
         !(answer.size() > 1 && answer[1] == ':');
}

// User mode: the answer names the user's own subdirectory of the data directory.
StartupOutcome AskUserDirectory(Context& context) {
  std::string answer;
  if (!context.ui.AskText("Passwort (User) eingeben ...", 8, answer)) return EndProcess(0);
  context.state.dataDirectory = answer;
  const std::string& configured = context.config.defaultDataDirectory;
  if (!context.platform.ChangeDirectory(configured)) ErrorBox(context, "Invalid Directory " + configured);
  if (!IsValidUserDirectory(answer) || !context.platform.ChangeDirectory(answer)) {
    ErrorBox(context, Oem("Ungültiges Passwort ") + answer + " !");
    return EndProcess(0);
  }
  context.platform.ChangeDirectory("..");
  return {};
}

StartupOutcome PrepareInteractiveRun(Context& context) {
  if (context.state.commandLineFile) {
    context.state.dataDirectory.clear();
    return {};
  }
  if (context.config.userMode) {
    StartupOutcome asked = AskUserDirectory(context);
    if (asked.endProcess) return asked;
  }
  context.ui.SetWaitCursor(true);
  context.state.dataDirectory = WithSeparator(context.config.defaultDataDirectory) + context.state.dataDirectory;
  std::string templateFile = context.state.dataDirectory + "null." + kDataFileExtension;
  if (FileExists(templateFile)) {
    ReadDataFile(context, templateFile);
    context.state.currentFileName.clear();
  }
  return {};
}

}  // namespace

StartupOutcome Startup(Context& context) {
  context.state.cancel = false;
  context.state.messagesAllowed = true;
  CheckConfiguredDirectories(context);
  if (!context.config.userMode) context.state.dataDirectory.clear();

  Command command = ParseCommandLine(context.state.arguments);
  StartupOutcome outcome;
  switch (command.kind) {
    case CommandKind::Usage:
      context.ui.ShowLines(UsageLines());
      return EndProcess(0);
    case CommandKind::Batch:
      return EndProcess(RunBatch(context, command));
    case CommandKind::UnknownSwitch:
      ErrorBox(context, UnknownSwitchMessage(command.unknownSwitch));
      return EndProcess(1);
    case CommandKind::NothingToDo:
      ErrorBox(context, NothingToDoMessage());
      return EndProcess(1);
    case CommandKind::Summary:
      return EndProcess(RunSummary(context, command.summaryInputs));
    case CommandKind::LongUsage:
      context.ui.ShowLines(LongUsageLines());
      return EndProcess(0);
    case CommandKind::Version:
      context.ui.ShowLines({VersionLine()});
      return EndProcess(0);
    case CommandKind::UnknownOption:
      return RefuseUnknownOption(context, command);
    case CommandKind::InteractiveNamed:
      context.state.currentFileName = command.fileName;
      context.state.dataDirectory.clear();
      break;
    case CommandKind::InteractiveWithFile:
      context.state.dataDirectory.clear();
      if (IsDxfFileName(command.fileName)) {
        ImportCommandLineDrawing(context, command);
        break;
      }
      outcome = OpenCommandLineFile(context, command);
      if (outcome.endProcess) return outcome;
      break;
    case CommandKind::Interactive:
      break;
  }
  outcome = PrepareInteractiveRun(context);
  if (outcome.endProcess) return outcome;
  context.state.cancel = false;
  Calculate(context.body, context.config, context.messages);
  context.state.cancel = false;
  context.state.modified = false;
  return {};
}

}  // namespace kalo
