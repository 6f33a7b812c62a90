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
  titleCaption = shown(Oem("Änderungstext"));
  dateCaption = "Datum";
  editorCaption = "Bearbeiter";
  descriptionCaption = "Beschreibung";
  title = shown(change.title);
  date = shown(change.date);
  editor = shown(change.editor);
  // The display conversion empties texts of 255 characters or more; a description may be longer.
  description = Cp850ToUtf8(change.description);
  todayCaption = "<" + today_;
}

void ChangeForm::OkClick(Change& change) const {
  change.title = Stored(title, kChangeTitleLength);
  change.date = Stored(date, kChangeDateLength);
  change.editor = Stored(editor, kChangeEditorLength);
  change.description = Utf8ToCp850(description);
}

}  // namespace kalo
