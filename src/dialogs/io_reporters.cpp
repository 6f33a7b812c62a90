#include "dialogs/io_reporters.h"

#include <cerrno>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "platform/file_replace.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

constexpr int kMaxAttempts = 20;

// The error number of the failure (why the file cannot be created, or why writing it
// failed), or 0.
int AttemptWrite(const std::string& path, const std::vector<std::string>& lines) {
  if (int error = ReplaceProblem(path)) return error;
  return ReplaceFile(path, TextLinesBytes(lines));
}

}  // namespace

std::string CreationWarning(int errorCode) {
  switch (errorCode) {
    case EROFS:
    case EACCES:
    case EPERM:
      return "Schreibschutz entfernen !";
    case ENOMEDIUM:
    case ENODEV:
    case ENXIO:
      return "Programmdiskette einlegen !";
    default:
      return "I/O-Error " + std::to_string(errorCode);
  }
}

std::string WriteFailureMessage(int errorCode, const std::string& path) {
  std::string message = errorCode == ENOSPC ? "Diskette/Platte voll" : "file write error";
  return message + "   " + path + ": " + WriteErrorText(errorCode, path);
}

bool RewriteWithRetry(Context& context, const std::string& path, const std::vector<std::string>& lines) {
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    int error = AttemptWrite(path, lines);
    if (error == 0) return true;
    if (!context.state.messagesAllowed) break;
    std::string warning = CreationWarning(error) + "   " + path;
    if (attempt == kMaxAttempts) {
      ErrorBox(context, warning);
      break;
    }
    if (!AskYesNo(context, warning + "   Nochmals versuchen ?")) break;
  }
  context.state.cancel = true;
  return false;
}

}  // namespace kalo
