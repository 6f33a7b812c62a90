#pragma once
// The error-message file "kalo.err" in the help picture folder, else in the program's data
// folder: for every message the program can report, one line with the message, one with
// its cause ("Ursache") and one with its remedy ("Abhilfe"). Only the first 14 characters
// of a message identify it.
#include <string>

namespace kalo {

struct Context;

inline constexpr size_t kMessageKeyLength = 14;
inline constexpr const char* kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";

struct MessageExplanation {
  bool fileFound = false;
  bool entryFound = false;
  std::string cause;
  std::string remedy;
};

std::string ErrorMessageFilePath(const Context& context);

// The first line of the file whose first 14 characters equal those of the message, and
// the two lines after it.
MessageExplanation ExplainMessage(const Context& context, const std::string& message);

// Cause of collected message 1..count: the file's cause line, kNoDescription when the
// message has no entry, empty when the file is missing.
std::string GetMessageCause(const Context& context, size_t index);
// Remedy of collected message 1..count, empty when the entry or the file is missing.
std::string GetMessageRemedy(const Context& context, size_t index);

}  // namespace kalo
