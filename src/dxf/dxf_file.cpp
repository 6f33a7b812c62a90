#include "dxf/dxf_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {

FileHandle OpenRegularFile(const std::string& path, long long maxSize, std::string& error) {
  // Non-blocking, so that opening a FIFO returns at once; fstat then tells what it is.
  int descriptor = open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) {
    error = "nicht gefunden oder kein Zugriffsrecht";
    return nullptr;
  }
  struct stat status {};
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(descriptor);
    error = S_ISDIR(status.st_mode) ? "ein Verzeichnis, keine Datei"
                                    : Oem("keine gewöhnliche Datei (Gerät, FIFO oder Socket)");
    return nullptr;
  }
  if (status.st_size > maxSize) {
    close(descriptor);
    error = Oem("größer als ") + std::to_string(maxSize >> 20) + " MB; so große Zeichnungen werden nicht gelesen";
    return nullptr;
  }
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = fdopen(descriptor, "rb");
  if (!file) {
    close(descriptor);
    error = "nicht gefunden oder kein Zugriffsrecht";
  }
  return FileHandle(file);
}

}  // namespace kalo
