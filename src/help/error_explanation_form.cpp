#include "help/error_explanation_form.h"

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "help/error_explanation_save.h"
#include "help/help_text.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// A memo's text as one line of the file: line breaks would split the entry.
std::string FileLine(const std::string& shown) {
  std::string line = Utf8ToCp850(shown);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

}  // namespace

ErrorExplanationForm::ErrorExplanationForm(Context& context, const std::string& message,
                                           const MessageExplanation& explanation)
    : context_(context), message_(message) {
  bool plainLetters = context.Units().plainLetters;
  Edit_meldung = DisplayUtf8(message, plainLetters);
  Memo_ursache = DisplayUtf8(explanation.cause, plainLetters);
  Memo_abhilfe = DisplayUtf8(explanation.remedy, plainLetters);
}

void ErrorExplanationForm::Button_okClick() {
  if (!changed || !AskYesNo(context_, "Save Changes ?")) return;
  SaveMessageExplanation(context_, message_, FileLine(Memo_ursache), FileLine(Memo_abhilfe));
}

void ErrorExplanationForm::Button_helpClick() { ShowHelp(context_, kExplanationHelpNumber, 1); }

}  // namespace kalo
