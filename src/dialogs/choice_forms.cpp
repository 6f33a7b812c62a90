#include "dialogs/choice_forms.h"

#include "context/context.h"
#include "graphics/colours.h"
#include "platform/codepage.h"

namespace kalo {

YesNoChoiceForm::YesNoChoiceForm(const std::string& prompt, char defaultLetter, bool plainLetters)
    : prompt(DisplayUtf8(prompt, plainLetters)), yes(defaultLetter != 'N' && defaultLetter != 'n') {}

SelectColourForm::SelectColourForm(int colour, bool plainLetters) : caption(kProgramName) {
  for (const std::string& item : AcadColourChoiceItems()) entries.push_back(DisplayUtf8(item, plainLetters));
  if (colour >= 1 && colour <= static_cast<int>(entries.size())) row = colour - 1;
}

}  // namespace kalo
