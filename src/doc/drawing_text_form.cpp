#include "doc/drawing_text_form.h"

#include "context/context.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

std::string Stored(const FormField& field) { return Utf8ToCp850(field.text).substr(0, field.maxLength); }

}  // namespace

DrawingTextForm::DrawingTextForm(const DrawingTexts& texts, bool plainLetters) {
  auto shown = [plainLetters](const std::string& cp850) { return DisplayUtf8(cp850, plainLetters); };
  caption = shown(ProgramTitleLine());
  fields = {{
      {"Edit_zeichname", "Zeichnungsname", shown(texts.name), kDrawingNameLength},
      {"Edit_zeichname2", "Zeichnungsname 2", shown(texts.name2), kDrawingName2Length},
      {"Edit_zeichnr", "Zeichnungsnummer", shown(texts.number), kDrawingNumberLength},
      {"Edit_bemerk1", "Zeile 1", shown(texts.remarks[0]), kRemarkLength},
      {"Edit_bemerk2", "Zeile 2", shown(texts.remarks[1]), kRemarkLength},
      {"Edit_bemerk3", "Zeile 3", shown(texts.remarks[2]), kRemarkLength},
  }};
}

void DrawingTextForm::Button_okClick(DrawingTexts& texts) const {
  texts.name = Stored(fields[0]);
  texts.name2 = Stored(fields[1]);
  texts.number = Stored(fields[2]);
  for (int i = 0; i < 3; ++i) texts.remarks[i] = Stored(fields[3 + i]);
}

void EditDrawingTexts(Context& context) {
  DrawingTextForm form(context.body.texts, context.Units().plainLetters);
  if (!context.ui.ShowDrawingTextForm(form)) {
    context.state.cancel = true;
    return;
  }
  form.Button_okClick(context.body.texts);
  context.state.modified = true;
}

}  // namespace kalo
