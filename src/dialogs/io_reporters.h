#pragma once
// Reports of failed file creation, with the offer to try again.
#include <string>
#include <vector>

namespace kalo {

struct Context;

// The warning for an operating system error code: write protection gives
// "Schreibschutz entfernen !", a missing medium "Programmdiskette einlegen !", any other
// code n "I/O-Error " + n.
std::string CreationWarning(int errorCode);

// The message of a failed write: "Diskette/Platte voll" when the medium is full, else
// "file write error", followed by the file's name and the cause.
std::string WriteFailureMessage(int errorCode, const std::string& path);

// Writes the lines to the file (atomically). When the file cannot be created or written,
// the warning is shown as a question whether to try again; the attempts end when the user
// does not answer Yes, when messages are not allowed, or after a bounded number of tries.
// On failure the cancel flag is set and false returned.
bool RewriteWithRetry(Context& context, const std::string& path, const std::vector<std::string>& lines);

}  // namespace kalo
