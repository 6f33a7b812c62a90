#include "app/startup.h"

#include <filesystem>
#include <system_error>

#include "app/colour_switch.h"
#include "app/command_line.h"
#include "app/summary.h"
#include "cad/cad_driver.h"
#include "calc/calculation.h"
#include "config/directory_check.h"
#include "context/context.h"
#include "edit/dxf_import.h"
#include "help/message_boxes.h"
#include "model/data_file_reader.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "report/full_report.h"
#include "report/json_results.h"
#include "report/result_report.h"
#include "views/show_view.h"

namespace kalo {
namespace {

// A drawing made from an imported DXF drawing is named so that it never replaces its input.
constexpr const char* kImportedDrawingSuffix = "-kalo";

StartupOutcome EndProcess(int exitCode) { return {true, exitCode}; }

// Reads the data file of a batch chain, or imports its DXF drawing (taking the largest
// loop, as no one can choose); its name then is the base name.
bool ReadBatchFile(Context& context, const std::string& fileName) {
  if (IsDxfFileName(fileName))
    ImportDxfContour(context, fileName, DxfLoopChoice::Largest);
  else
    ReadDataFile(context, fileName);
  if (context.state.cancel) return false;
  context.state.currentFileName = BaseNameOf(fileName);
  return true;
}

// A batch run must never look successful when it produced nothing: the collected
// messages of a failed calculation go to the error stream.
void ReportCalculationFailure(Context& context) {
  for (const std::string& message : context.messages.Texts()) ErrorBox(context, message);
}

// The data file of a batch chain, read and calculated; false when the chain cannot go on.
bool PrepareBatchBody(Context& context, const Command& command) {
  if (!ReadBatchFile(context, command.fileName)) return false;
  if (context.body.contour.count == 0) {
    ErrorBox(context, "keine Geometrie eingegeben !");
    return false;
  }
  if (!context.messages.Fatal()) return true;
  ReportCalculationFailure(context);
  return false;
}

StartupOutcome RunTextReportChain(Context& context, const Command& command) {
  if (!PrepareBatchBody(context, command)) return EndProcess(1);
  return EndProcess(Report(context, kReportBatch) ? 0 : 1);
}

StartupOutcome RunFullReportChain(Context& context, const Command& command) {
  if (!PrepareBatchBody(context, command)) return EndProcess(1);
  return EndProcess(FullReport(context, kReportBatch) ? 0 : 1);
}

// FILE.json in the working directory. A file that cannot be read or holds no contour gives
// no JSON file; a failed calculation gives one with its messages and no results.
StartupOutcome RunJsonChain(Context& context, const Command& command) {
  if (!ReadBatchFile(context, command.fileName)) return EndProcess(1);
  if (context.body.contour.count == 0) {
    ErrorBox(context, "keine Geometrie eingegeben !");
    return EndProcess(1);
  }
  bool calculated = !context.messages.Fatal();
  if (!calculated) ReportCalculationFailure(context);
  std::string path = context.state.currentFileName + ".json", error;
  if (!WriteTextLines(path, JsonResultLines(context, command.fileName), error)) {
    ErrorBox(context, path + ": " + error);
    return EndProcess(1);
  }
  return EndProcess(calculated ? 0 : 1);
}

// An option this program does not know: the usage screen on the error stream.
StartupOutcome RefuseUnknownOption(Context& context, const Command& command) {
  context.ui.MessageBox("", "kalo: unbekannte Option " + command.fileName);
  for (const std::string& line : LongUsageLines()) context.ui.MessageBox("", line);
  return EndProcess(2);
}

StartupOutcome RunCadChain(Context& context, const Command& command) {
  if (!IsBatchCadOutput(command)) {
    ErrorBox(context, InvalidCadSwitchMessage(command));
    return EndProcess(1);
  }
  if (!PrepareBatchBody(context, command)) return EndProcess(1);
  if (IsDxfFileName(command.fileName) && command.cadTarget == kCadDxf)
    context.state.currentFileName += kImportedDrawingSuffix;
  if (HasColourSwitch(context.state.arguments)) context.config.pageLayerColours = true;
  context.state.cadBatch = true;
  bool written = ShowView(context, command.cadTarget, command.cadView);
  context.state.cadBatch = false;
  return EndProcess(written ? 0 : 1);
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
  if (ImportDxfContour(context, command.fileName)) ShowDrawingAfterStart(context);
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
    case CommandKind::TextReport:
      return RunTextReportChain(context, command);
    case CommandKind::CadOutput:
      return RunCadChain(context, command);
    case CommandKind::FullReport:
      return RunFullReportChain(context, command);
    case CommandKind::JsonResults:
      return RunJsonChain(context, command);
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
  Calculate(context);
  context.state.cancel = false;
  context.state.modified = false;
  return {};
}

}  // namespace kalo
