#pragma once
// The form "Tform_uni4": drawing name, its second line, drawing number and three remark
// lines. The fields hold the texts as the window shows them (UTF-8); OK converts them back
// to code page 850 and cuts them to their lengths.
#include <array>
#include <string>

#include "model/body.h"

namespace kalo {

struct Context;

struct FormField {
  std::string name;   // the control, e.g. "Edit_zeichname"
  std::string label;  // shown beside it
  std::string text;   // as shown and typed
  size_t maxLength = 0;
};

class DrawingTextForm {
 public:
  DrawingTextForm(const DrawingTexts& texts, bool plainLetters);

  std::string caption;
  std::array<FormField, 6> fields;

  // The texts the user confirmed.
  void Button_okClick(DrawingTexts& texts) const;
};

// Edit → Text: OK stores the texts and sets the modified flag; Cancel changes nothing and
// sets the cancel flag.
void EditDrawingTexts(Context& context);

}  // namespace kalo
