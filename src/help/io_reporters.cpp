#include "help/io_reporters.h"

#include <cerrno>
#include <cstdio>

#include "app/context.h"
#include "help/message_boxes.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

constexpr int kMaxAttempts = 20;

// The error of creating the temporary file that the write of path goes to; 0 when it can be
// created. The probe file is removed again, and an existing file of that name is never touched.
int CreationError(const std::string& path) {
  std::string probe = TemporaryNameFor(path);
  FILE* file = std::fopen(probe.c_str(), "wb");
  if (!file) return errno;
  std::fclose(file);
  std::remove(probe.c_str());
  return 0;
}

int AttemptWrite(const std::string& path, const std::vector<std::string>& lines) {
  int error = CreationError(path);
  if (error != 0) return error;
  std::string ignored;
  return WriteTextLines(path, lines, ignored) ? 0 : EIO;
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
  return message + "   " + path + ": " + WriteErrorText(errorCode);
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
