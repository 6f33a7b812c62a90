#include "cad/plot_command_select.h"

#include <algorithm>

#include "cad/plot_command_form.h"
#include "cad/plot_command_questions.h"
#include "context/context.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "platform/paths.h"

namespace kalo {
namespace {

constexpr int kHelpChoice = 2055, kHelpCommandLine = 2060;

bool Cancel(Context& context) {
  context.state.cancel = true;
  return false;
}

// The selected line, 0-based; the first while fewer than two lines are in use.
int SelectedIndex(const Context& context) {
  int count = std::clamp(context.config.plotCommandCount, 1, kPlotCommandLines);
  return count < 2 ? 0 : std::clamp(context.cad.plotCommandIndex, 0, count - 1);
}

bool ChooseLine(Context& context) {
  int count = std::clamp(context.config.plotCommandCount, 1, kPlotCommandLines);
  context.cad.plotCommandIndex = SelectedIndex(context);
  if (count < 2) return true;
  std::vector<std::string> lines(context.config.plotCommands.begin(), context.config.plotCommands.begin() + count);
  int index = context.cad.plotCommandIndex + 1;
  SetHelpNumber(context, kHelpChoice);
  if (!AskChoice(context, "PENPLOT Command Line", LineList(lines), count, index)) return false;
  context.cad.plotCommandIndex = index - 1;
  return true;
}

bool AsksForQuestions(const std::string& answer) {
  std::string trimmed = TrimBlanks(answer);
  return trimmed.empty() || trimmed.front() == '0';
}

}  // namespace

bool CadSelectPlotCommand(Context& context) {
  if (!ChooseLine(context)) return false;
  std::string& slot = context.config.plotCommands[static_cast<size_t>(context.cad.plotCommandIndex)];
  SetHelpNumber(context, PlotCommandForm::kHelpNumber);
  PlotCommandForm form(context, slot);
  if (!context.ui.ShowPlotCommandForm(form)) return Cancel(context);
  slot = form.commandLineText;
  std::string line = slot;
  SetHelpNumber(context, kHelpCommandLine);
  if (!AskText(context, "PENPLOT-Kommandozeile (0=Parameter)", static_cast<int>(kPlotProgramLineLength), line))
    return false;
  if (AsksForQuestions(line)) {
    line = slot;  // the questions take the program folder from it
    if (!BuildPlotCommand(context, line)) return false;
  }
  slot = line;
  return true;
}

}  // namespace kalo
