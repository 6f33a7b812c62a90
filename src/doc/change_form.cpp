#include "doc/change_form.h"

#include "platform/codepage.h"

namespace kalo {
namespace {

std::string Stored(const std::string& shown, size_t maxLength) { return Utf8ToCp850(shown).substr(0, maxLength); }

}  // namespace

ChangeForm::ChangeForm(const Change& change, size_t number, const std::string& today, bool plainLetters) {
  auto shown = [plainLetters](const std::string& cp850) { return DisplayUtf8(cp850, plainLetters); };
  today_ = shown(today);
  caption = shown(Oem("Änderung ") + std::to_string(number));
  Label_title = shown(Oem("Änderungstext"));
  Label_date = "Datum";
  Label_editor = "Bearbeiter";
  Label_description = "Beschreibung";
  Edit_title = shown(change.title);
  Edit_date = shown(change.date);
  Edit_editor = shown(change.editor);
  // The display conversion empties texts of 255 characters or more; a description may be longer.
  Memo_description = Cp850ToUtf8(change.description);
  Button_dateCaption = "<" + today_;
}

void ChangeForm::OkClick(Change& change) const {
  change.title = Stored(Edit_title, kChangeTitleLength);
  change.date = Stored(Edit_date, kChangeDateLength);
  change.editor = Stored(Edit_editor, kChangeEditorLength);
  change.description = Utf8ToCp850(Memo_description);
}

}  // namespace kalo
