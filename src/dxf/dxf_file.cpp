#include "dxf/dxf_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {

Outcome OpenRegularFile(const std::string& path, long long maxSize, FileHandle& file) {
  const std::string unreachable = "nicht gefunden oder kein Zugriffsrecht";
  // Non-blocking, so that opening a FIFO returns at once; fstat then tells what it is.
  int descriptor = open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return Outcome::Failure(unreachable);
  struct stat status {};
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(descriptor);
    return Outcome::Failure(S_ISDIR(status.st_mode) ? "ein Verzeichnis, keine Datei"
                                                    : Oem("keine gewöhnliche Datei (Gerät, FIFO oder Socket)"));
  }
  if (status.st_size > maxSize) {
    close(descriptor);
    return Outcome::Failure(Oem("größer als ") + std::to_string(maxSize >> 20) +
                            " MB; so große Zeichnungen werden nicht gelesen");
  }
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  file.reset(fdopen(descriptor, "rb"));
  if (file) return Outcome::Done();
  close(descriptor);
  return Outcome::Failure(unreachable);
}

}  // namespace kalo
