#include "help/message_summary.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "help/error_explanation_form.h"
#include "help/error_message_file.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

bool IsNoGui(const std::string& argument) {
  const std::string noGui = "/NOGUI";
  return argument.size() == noGui.size() &&
         std::equal(argument.begin(), argument.end(), noGui.begin(),
                    [](unsigned char a, char b) { return std::toupper(a) == b; });
}

}  // namespace

void ShowMessageSummary(Context& context) {
  const std::vector<std::string>& arguments = context.state.arguments;
  if (std::any_of(arguments.begin(), arguments.end(), IsNoGui)) return;
  if (context.messages.Empty()) {
    InfoBox(context, "Berechnung erfolgreich ohne Fehlermeldungen");
    return;
  }
  std::vector<std::string> items = context.messages.Texts();
  items.push_back(Oem("Weiter/zurück..."));
  const int proceed = static_cast<int>(items.size());
  int index = context.config.helpLevel != HelpLevel::Extended ? proceed : 1;
  for (;;) {
    context.state.helpNumber = kSummaryHelpNumber;
    if (!AskChoice(context, "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.",
                   LineList(items), proceed, index) ||
        index == proceed)
      return;
    ShowMessageHelp(context, static_cast<size_t>(index));
    if (context.state.cancel || ++index == proceed) return;
  }
}

void ShowMessageHelp(Context& context, size_t index) {
  if (index < 1 || index > context.messages.Count()) return;
  if (!CheckFileReadable(context, ErrorMessageFilePath(context))) return;
  const std::string& message = context.messages.Text(index);
  MessageExplanation explanation = ExplainMessage(context, message);
  if (!explanation.entryFound) {
    context.ui.MessageBox("Meldung", kNoDescription);
    return;
  }
  ErrorExplanationForm form(context, message, explanation);
  context.ui.ShowErrorExplanation(form);
}

}  // namespace kalo
