#include "dialogs/standard_dialogs.h"

#include "context/context.h"
#include "dialogs/choice_forms.h"
#include "dialogs/select_dir_form.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

// The cancel flag after a dialog: set on cancel, cleared on OK; returns ok.
bool Confirmed(Context& context, bool ok) {
  context.state.cancel = !ok;
  return ok;
}

bool PlainLetters(const Context& context) { return context.Units().plainLetters; }

// The typed text as a value within the limits; false for text that is no number or a
// number out of range.
bool TakeReal(const std::string& typed, long double lower, long double upper, long double& value) {
  long double parsed = 0;
  if (!ParseReal(typed, parsed) || parsed < lower || parsed > upper) return false;
  value = parsed;
  return true;
}

}  // namespace

bool AskText(Context& context, const std::string& prompt, int maxLength, std::string& value) {
  std::string typed = value;
  if (!Confirmed(context, context.ui.AskText(prompt, maxLength, typed))) return false;
  value = typed;
  return true;
}

bool AskReal(Context& context, const std::string& prompt, long double& value, long double upper, long double lower) {
  NumberFormat format = context.Numbers();
  std::string shown = FormatSignificant(value, format);
  bool shownIsValue = true;
  for (;;) {
    std::string typed = shown;
    if (!AskText(context, prompt, kRealTextLength, typed)) return false;
    // The value's own text taken unchanged keeps the value exactly as it was.
    bool kept = shownIsValue && typed == shown;
    if (kept ? value >= lower && value <= upper : TakeReal(typed, lower, upper, value)) return true;
    context.ui.Beep();
    ShowText(context, Oem("Gültiger Wertebereich: ") + FormatSignificant(lower, format) + " .. " +
                          FormatSignificant(upper, format) + " !");
    shown = typed;
    shownIsValue = kept;
  }
}

bool AskChoice(Context& context, const std::string& title, const LineList& lines, int n, int& index) {
  std::vector<std::string> items = lines.First(n);
  int chosen = index >= 1 && index <= static_cast<int>(items.size()) ? index - 1 : 0;
  if (!Confirmed(context, context.ui.AskChoice(title, items, chosen))) return false;
  index = chosen + 1;
  return true;
}

bool AskYesNoChoice(Context& context, const std::string& prompt, char defaultLetter) {
  YesNoChoiceForm form(prompt, defaultLetter, PlainLetters(context));
  bool byDefault = form.yes;
  return Confirmed(context, context.ui.AskYesNoChoice(form)) ? form.yes : byDefault;
}

bool AskDirectory(Context& context, std::string& directory) {
  std::string start = DirectoryExists(directory) ? directory : context.platform.CurrentDirectory();
  std::vector<std::string> drives = {"/"};
  std::string home = context.platform.GetEnvironment("HOME");
  if (!home.empty() && DirectoryExists(home)) drives.push_back(home);
  SelectDirForm form(start, drives);
  bool chosen = context.ui.AskDirectory(form);
  context.state.cancel = false;
  if (chosen) directory = form.OkClick();
  return chosen;
}

bool AskFile(Context& context, std::string& path, const std::string& mask) {
  std::string directory = DirectoryOf(TrimBlanks(path));
  if (directory.size() > 1 && (directory.back() == '\\' || directory.back() == '/')) directory.pop_back();
  std::string chosen = path;
  if (!Confirmed(context, context.ui.AskOpenFileName(directory, mask + "|" + mask, chosen))) return false;
  path = chosen;
  return true;
}

bool AskColour(Context& context, int& colour) {
  SelectColourForm form(colour, PlainLetters(context));
  if (!Confirmed(context, context.ui.AskColour(form))) return false;
  colour = form.OkClick();
  return true;
}

void ShowLines(Context& context, const LineList& lines) { context.ui.ShowLines(lines.First(kShownLines)); }

void ShowText(Context& context, const std::string& text) { context.ui.MessageBox(kProgramName, text); }

}  // namespace kalo
