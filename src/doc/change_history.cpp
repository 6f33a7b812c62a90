#include "doc/change_history.h"

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "doc/change_form.h"
#include "help/help_text.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// The change dialog for change n (from 1) of the list.
void EditChangeNumber(Context& context, size_t n) {
  Change& change = context.body.documentation.changes[n - 1];
  SetHelpNumber(context, ChangeForm::kHelpNumber);
  ChangeForm form(change, n, context.Today(), context.Units().plainLetters);
  if (!context.ui.EditChange(form)) {
    context.state.cancel = true;
    return;
  }
  form.OkClick(change);
}

}  // namespace

void NewChange(Context& context) {
  std::vector<Change>& changes = context.body.documentation.changes;
  if (changes.size() >= kMaxChanges) {
    InfoBox(context, Oem("Max. Änderungen = ") + std::to_string(kMaxChanges) + " !");
    context.state.cancel = true;
    return;
  }
  Change change;
  change.date = context.Today();
  changes.push_back(change);
  EditChangeNumber(context, changes.size());
}

void ModifyLastChange(Context& context) {
  size_t count = context.body.documentation.changes.size();
  if (count > 0) EditChangeNumber(context, count);
}

void DeleteLastChange(Context& context) {
  std::vector<Change>& changes = context.body.documentation.changes;
  if (!changes.empty()) changes.pop_back();
}

std::string ChangeIndex(size_t n, ChangeIndexStyle indexStyle) {
  return indexStyle == ChangeIndexStyle::Numbers ? std::to_string(n) : std::string(1, static_cast<char>(96 + n));
}

}  // namespace kalo
