#pragma once
// The message boxes and questions the whole program uses, and the checks of files
// before they are read or written.
#include <string>

#include "messages/outcome.h"

namespace kalo {

struct Context;

// "Fehler : " box; shown only while file error messages are allowed.
void ErrorBox(Context& context, const std::string& text);
void InfoBox(Context& context, const std::string& text);
void HelpBox(Context& context, const std::string& text);
// Yes → true; No → false; Cancel → false and the cancel flag set.
bool AskYesNo(Context& context, const std::string& question);

// The ErrorBox with the message and the cancel flag set: the failure that names it.
Outcome Refuse(Context& context, const std::string& message);
// A failure after an ErrorBox naming the file, with the cancel flag set, when the file
// cannot be read.
Outcome CheckFileReadable(Context& context, const std::string& path);
// Asks before an existing file (whose name does not contain "aktuell") is overwritten
// unless askOverwrite is false, then proves that the name can be written. Cancelled when
// the user does not want it replaced, a failure (after its message) when the name cannot
// be written; both set the cancel flag.
Outcome CheckOutputFile(Context& context, const std::string& path, bool askOverwrite = true);

}  // namespace kalo
