#pragma once
// The error explanation window (caption "Fehlermeldung"): a collected message with its cause and
// remedy from the error-message file. Cause and remedy can be edited; OK after a change
// asks "Save Changes ?" and writes the new explanation into the file. Texts are held as
// the window shows them (UTF-8).
#include <string>

#include "help/error_message_file.h"

namespace kalo {

struct Context;

inline constexpr int kExplanationHelpNumber = 1970;

class ErrorExplanationForm {
 public:
  ErrorExplanationForm(Context& context, const std::string& message, const MessageExplanation& explanation);

  std::string caption = "Fehlermeldung";
  std::string messageText;
  std::string cause;
  std::string remedy;
  bool changed = false;

  void MemoChanged() { changed = true; }
  // The window closes after it in any case.
  void OkClick();
  void HelpClick();

 private:
  Context& context_;
  std::string message_;  // code page 850, as collected
};

}  // namespace kalo
