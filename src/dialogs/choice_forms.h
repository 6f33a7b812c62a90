#pragma once
// The forms of the yes/no choice and the colour list
//. Texts are held as the window shows them (UTF-8).
#include <string>
#include <vector>

namespace kalo {

class YesNoChoiceForm {
 public:
  YesNoChoiceForm(const std::string& prompt, char defaultLetter, bool plainLetters);

  std::string caption = "Eingabe";
  std::string prompt;
  bool yes = true;  // the radio group "Auswahl": "&Ja" or "&Nein"
};

class SelectColourForm {
 public:
  // The entry of the colour is selected; a number outside 1..16 selects the first.
  SelectColourForm(int colour, bool plainLetters);

  std::string caption;
  std::vector<std::string> entries;  // "1 (rot)" .. "16 (schwarz)"
  int row = 0;                       // the selected entry, 0-based

  // The colour number of the selected entry.
  int OkClick() const { return row + 1; }
};

}  // namespace kalo
