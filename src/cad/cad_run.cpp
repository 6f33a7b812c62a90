// Opening and closing an output run: the target choice, the output file's name, the
// target object, and what each target does when the run ends.
#include <memory>
#include <vector>

#include "cad/block_files.h"
#include "cad/cad_driver.h"
#include "cad/cad_formats.h"
#include "cad/cad_output.h"
#include "cad/plot_command_select.h"
#include "cad/plot_command_start.h"
#include "cad/plot_command_words.h"
#include "cad/screen_target.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "graphics/screen_plotter.h"
#include "output/output_targets.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr int kTargetChoiceHelp = 2050;

Outcome ChooseTarget(Context& context) {
  std::vector<std::string> items;
  std::vector<int> codes;
  int index = -1;
  for (const CadFormat& format : CadFormats()) {
    if (*format.choice == '\0') continue;
    if (format.code == context.cad.target) index = static_cast<int>(codes.size());
    items.push_back(format.choice);
    codes.push_back(format.code);
  }
  context.state.helpNumber = kTargetChoiceHelp;
  if (!context.ui.AskChoice("CAD-Code", items, index) || index < 0 || index >= static_cast<int>(items.size()))
    return context.state.Cancel();
  context.cad.target = codes[index];
  return Outcome::Done();
}

// Nothing is drawn for an output that cannot be written; the message says why.
Outcome CheckWritable(Context& context, const std::string& path) {
  std::string problem = WriteProblem(path);
  if (problem.empty()) return Outcome::Done();
  WriteFailed(context, path, problem);
  return Outcome::Failure(problem);
}

// In a /CAD chain the data file's base name in the current directory; otherwise the save
// dialog, where a name typed without an extension gets the target's one.
Outcome ChooseOutputFile(Context& context, std::string& path) {
  std::string extension = CadFileExtension(context.cad.target);
  if (context.state.cadBatch) {
    path = WithSeparator(context.platform.CurrentDirectory()) + BodyFileName(context, extension);
  } else {
    std::string filter = "*." + extension + "|*." + extension + "|*.*|*.*";
    path = BodyFileName(context, extension);
    if (!context.ui.AskSaveFileName(context.config.cadDirectory, filter, path) || TrimBlanks(path).empty())
      return context.state.Cancel();
    path = TrimBlanks(path);
    if (FileNameOf(path).find('.') == std::string::npos) path += "." + extension;
  }
  return CheckWritable(context, path);
}

Outcome ChooseOutputPath(Context& context, std::string& path) {
  switch (context.cad.target) {
    case kCadScreen: path.clear(); return Outcome::Done();
    case kCadPlotter:
      // The plot program outlives the run, so its file is not in the run's private folder.
      path = TemporaryDirectory(context) + kPlotFileName;
      return CheckWritable(context, path);
    default: return ChooseOutputFile(context, path);
  }
}

Outcome CloseScreen(Context& context) {
  if (ScreenPlotter* screen = context.screenPlotter) {
    screen->Refresh();
    screen->SetWaitCursor(false);
  }
  DeleteBlockFiles(context);
  return context.state.cancel ? Outcome::Cancelled() : Outcome::Done();
}

// The plot program takes the finished file.
Outcome StartPlotProgram(Context& context) {
  return StartPlotCommand(context) ? Outcome::Done() : Outcome::Failure("file not found");
}

}  // namespace

Outcome CadOpen(Context& context, int code) {
  CadState& cad = context.cad;
  cad.viewMarker = 0;
  cad.output.reset();
  cad.outputPath.clear();
  cad.inBlockSection = false;
  cad.blockLevel = 0;
  if (code == kCadAsk) {
    if (Outcome chosen = ChooseTarget(context); !chosen) return chosen;
    if (cad.target == kCadPlotter && !CadSelectPlotCommand(context)) return context.state.Cancel();
  } else if (code < kCadDxf || code > kCadLastTarget) {
    return Refuse(context, "CAD-Code " + std::to_string(code) + " ?");
  } else {
    cad.target = code;
  }
  if (Outcome chosen = ChooseOutputPath(context, cad.outputPath); !chosen) return chosen;
  cad.output = CadFormatOf(cad.target)->make(context, cad.outputPath);
  if (ScreenPlotter* screen = ScreenNow(context)) {
    screen->Clear();
    screen->SetWaitCursor(true);
    screen->SetLineStyle(0);
  }
  return Outcome::Done();
}

Outcome CadClose(Context& context) {
  CadState& cad = context.cad;
  std::unique_ptr<CadTarget> output = std::move(cad.output);
  cad.inBlockSection = false;
  if (!output) return Outcome::Failure("CadClose ohne CadOpen");
  if (cad.target == kCadScreen) return CloseScreen(context);
  // A cancelled run writes nothing, so no drawing is left half done under the target name.
  if (context.state.cancel) return Outcome::Cancelled();
  Outcome written = output->Finish();
  if (!WriteSucceeded(context, cad.outputPath, written)) return written;
  return cad.target == kCadPlotter ? StartPlotProgram(context) : Outcome::Done();
}

const char* CadFileExtension(int target) {
  const CadFormat* format = CadFormatOf(target);
  return format ? format->extension : "";
}

}  // namespace kalo
