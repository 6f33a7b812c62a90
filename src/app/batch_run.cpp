#include "app/batch_run.h"

#include <strings.h>

#include "app/colour_switch.h"
#include "app/dxf_switches.h"
#include "cad/cad_driver.h"
#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "dialogs/message_boxes.h"
#include "edit/dxf_import.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "report/full_report.h"
#include "report/json_results.h"
#include "report/result_report.h"
#include "solid/solid_export.h"
#include "solid/step_input.h"
#include "views/show_view.h"

namespace kalo {
namespace {

// An output of the input's own kind (a DXF drawing of a DXF drawing, a STEP file of a STEP
// file) is named so that it never replaces its input.
constexpr const char* kImportedDrawingSuffix = "-kalo";

// Reads the data file of a batch chain, or imports its DXF drawing (taking the largest
// loop, as no one can choose); its name then is the base name.
bool ReadBatchFile(Context& context, const std::string& fileName) {
  if (IsDxfFileName(fileName))
    ImportDrawingAsSwitched(context, fileName, DxfLoopChoice::Largest);
  else if (IsStepFileName(fileName))
    ImportStepContour(context, fileName, StepSolidChoice::Largest);
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

// FILE.json: every result, or after a failed calculation its messages and no results.
bool WriteJson(Context& context, const Command& command) {
  std::string path = context.state.currentFileName + ".json";
  Outcome written = WriteTextLines(path, JsonResultLines(context, command.fileName));
  if (written) return true;
  ErrorBox(context, FileNameText(path) + ": " + written.Message());
  return false;
}

SolidJob SolidJobOf(const OutputSwitch& output) {
  return output.kind == OutputKind::Stl ? SolidJob::Stl : SolidJob::Step;
}

bool WriteDrawing(Context& context, const Command& command, const OutputSwitch& output) {
  std::string baseName = context.state.currentFileName;
  context.state.currentFileName = FileNameOf(BatchOutputName(output, baseName, command.fileName));
  context.state.currentFileName.erase(context.state.currentFileName.rfind('.'));
  if (HasColourSwitch(context.state.arguments)) context.config.pageLayerColours = true;
  context.state.cadBatch = true;
  bool written = ShowView(context, output.cadTarget, static_cast<ViewNumber>(output.cadView)).IsDone();
  context.state.cadBatch = false;
  context.state.currentFileName = baseName;
  return written;
}

bool WriteOutput(Context& context, const Command& command, const OutputSwitch& output) {
  context.state.cancel = false;
  switch (output.kind) {
    case OutputKind::TextReport: return Report(context, kReportBatch);
    case OutputKind::FullReport: return FullReport(context, kReportBatch);
    case OutputKind::JsonResults: return WriteJson(context, command);
    case OutputKind::Cad: return WriteDrawing(context, command, output);
    case OutputKind::Step:
    case OutputKind::Stl:
      return ExportSolid(context, SolidJobOf(output), BatchOutputName(output, context.state.currentFileName, command.fileName));
  }
  return false;
}

// A STEP solid that gives no contour still has its own values: the reports and the JSON
// file give them, marked as such. The chain has failed all the same.
int WriteForeignSolid(Context& context, const Command& command) {
  if (!context.state.foreignSolid) return 1;
  context.state.currentFileName = BaseNameOf(command.fileName);
  for (const OutputSwitch& output : command.outputs) {
    context.state.cancel = false;
    if (output.kind == OutputKind::JsonResults) WriteJson(context, command);
    if (output.kind == OutputKind::TextReport || output.kind == OutputKind::FullReport) Report(context, kReportBatch);
  }
  return 1;
}

}  // namespace

std::string BatchOutputName(const OutputSwitch& output, const std::string& baseName, const std::string& inputName) {
  std::string extension;
  switch (output.kind) {
    case OutputKind::TextReport:
    case OutputKind::FullReport: return baseName + ".txt";
    case OutputKind::JsonResults: return baseName + ".json";
    case OutputKind::Step:
    case OutputKind::Stl: extension = SolidFileExtension(SolidJobOf(output)); break;
    case OutputKind::Cad: extension = CadFileExtension(output.cadTarget); break;
  }
  std::string inputExtension = inputName.substr(inputName.rfind('.') + 1);
  bool wouldReplaceInput = strcasecmp(inputExtension.c_str(), extension.c_str()) == 0;
  return baseName + (wouldReplaceInput ? kImportedDrawingSuffix : "") + "." + extension;
}

std::string BatchSwitchProblem(const Command& command) {
  for (const OutputSwitch& output : command.outputs)
    if (output.kind == OutputKind::Cad && !IsBatchCadOutput(output)) return InvalidCadSwitchMessage(output);
  std::string baseName = BaseNameOf(command.fileName);
  for (size_t i = 0; i < command.outputs.size(); ++i)
    for (size_t k = 0; k < i; ++k) {
      std::string name = BatchOutputName(command.outputs[i], baseName, command.fileName);
      if (name == BatchOutputName(command.outputs[k], baseName, command.fileName))
        return command.outputs[k].text + " und " + command.outputs[i].text + " schreiben beide " + FileNameText(name);
    }
  return "";
}

int RunBatch(Context& context, const Command& command) {
  if (std::string problem = BatchSwitchProblem(command); !problem.empty()) {
    ErrorBox(context, problem);
    return 1;
  }
  if (!ReadBatchFile(context, command.fileName)) return WriteForeignSolid(context, command);
  if (context.body.contour.count == 0) {
    ErrorBox(context, "keine Geometrie eingegeben !");
    return 1;
  }
  // A failed calculation leaves nothing to report or draw; the JSON file says it failed.
  bool calculated = !context.messages.Fatal();
  if (!calculated) ReportCalculationFailure(context);
  bool allWritten = calculated;
  for (const OutputSwitch& output : command.outputs)
    if (calculated || output.kind == OutputKind::JsonResults)
      allWritten = WriteOutput(context, command, output) && allWritten;
  return allWritten ? 0 : 1;
}

}  // namespace kalo
