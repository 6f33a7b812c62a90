#pragma once
// The change dialog "Änderung n": title, date, editor and a description of several lines,
// and a button that dates the change today. The fields hold the texts as the window shows
// them (UTF-8); OK converts them back to code page 850 and cuts them to their lengths.
#include <string>

#include "model/documentation.h"

namespace kalo {

class ChangeForm {
 public:
  static constexpr int kHelpNumber = 3000;

  // number counts the changes from 1.
  ChangeForm(const Change& change, size_t number, const std::string& today, bool plainLetters);

  std::string caption;  // "Änderung " + number
  std::string Label_title, Label_date, Label_editor, Label_description;
  std::string Edit_title, Edit_date, Edit_editor;
  std::string Memo_description;  // lines separated by "\n"
  std::string Button_dateCaption;  // "<" + today

  void Button_dateClick() { Edit_date = today_; }
  void Button_okClick(Change& change) const;

 private:
  std::string today_;  // as shown
};

}  // namespace kalo
