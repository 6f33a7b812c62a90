#include "demo/demo_run.h"

#include <utility>

#include "calc/calculation.h"
#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "dialogs/message_boxes.h"
#include "edit/contour_transform.h"
#include "graphics/screen_plotter.h"
#include "platform/paths.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"
#include "report/result_report.h"
#include "views/show_view.h"

namespace kalo {
namespace {

constexpr const char* kScriptName = "kalo.dem";

// What the demonstration changes and puts back when it ends.
struct DemoSnapshot {
  explicit DemoSnapshot(const Context& context)
      : body(context.body),
        state(context.state),
        config(context.config),
        messages(context.messages),
        cadTarget(context.cad.target) {}

  void Restore(Context& context) const {
    context.body = body;
    context.state = state;
    context.config = config;
    context.messages = messages;
    context.cad.target = cadTarget;
    if (state.shownView != ViewNumber::Choose) {
      ShowView(context, kCadScreen, state.shownView);
      context.state.shownView = state.shownView;
    } else if (context.screenPlotter) {
      context.screenPlotter->Clear();
    }
    context.state.cancel = false;
  }

  Body body;
  ProgramState state;
  Configuration config;
  MessageCollection messages;
  int cadTarget;
};

void Transform(Context& context, const ContourTransformation& transformation) {
  ApplyTransformation(context.body.contour, transformation);
  Calculate(context.body, context.config, context.messages);
  ShowView(context, kCadScreen, ViewNumber::GeometryWithTable);
}

void RunStep(Context& context, const DemoStep& step, const std::string& folder) {
  const std::vector<long double>& v = step.values;
  switch (step.command) {
    case DemoCommand::Open: {
      // Beside the script, else among the program's own examples.
      std::string path = step.file.front() == '/' ? step.file : ShippedFilePath(folder, step.file);
      if (!ReadDataFile(context, path)) return;
      // Reports name the example where it lies, not in the user's data directory.
      context.state.dataDirectory = DirectoryOf(path);
      ShowView(context, kCadScreen, ViewNumber::GeometryWithTable);
      return;
    }
    case DemoCommand::View: ShowView(context, kCadScreen, static_cast<ViewNumber>(static_cast<int>(v[0]))); return;
    case DemoCommand::Key:
      for (int i = 0; i < (v.empty() ? 1 : static_cast<int>(v[0])); ++i) context.ui.SendGraphicsKey(step.key);
      return;
    case DemoCommand::Report:
      // Reports go to the text window without a question, whatever the settings say.
      context.config.textDevice = kTargetScreen;
      context.config.askTextDevice = false;
      Report(context, static_cast<int>(v[0]));
      return;
    case DemoCommand::Scale: {
      ContourTransformation scale;
      scale.sx = v[0];
      scale.sy = v.size() > 1 ? v[1] : v[0];
      Transform(context, scale);
      return;
    }
    case DemoCommand::Shift: {
      ContourTransformation shift;
      shift.dx = v[0];
      shift.dy = v[1];
      Transform(context, shift);
      return;
    }
    case DemoCommand::Calculate: Calculate(context.body, context.config, context.messages); return;
    case DemoCommand::Show: return;
  }
}

}  // namespace

void RunDemo(Context& context, const DemoScript& script, const std::string& folder) {
  const DemoSnapshot before(context);
  context.ui.SetDemonstration(true);
  for (const DemoStep& step : script.steps) {
    context.state.cancel = false;
    RunStep(context, step, folder);
    if (!context.ui.ShowDemoStep(step.text, step.milliseconds)) break;
  }
  context.ui.SetDemonstration(false);
  before.Restore(context);
}

void HelpDemo(Context& context) {
  std::string path = ShippedFilePath(context.config.pltDirectory, kScriptName);
  std::vector<std::string> lines;
  if (!CheckFileReadable(context, path) || !ReadTextLines(path, lines)) return;
  DemoScript script = ParseDemoScript(lines);
  if (script.badLine != 0) {
    ErrorBox(context, "Fehler im Demoskript, Zeile " + std::to_string(script.badLine) + ": " + path);
    return;
  }
  RunDemo(context, script, DirectoryOf(path));
}

}  // namespace kalo
