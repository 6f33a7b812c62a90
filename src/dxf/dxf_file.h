#pragma once
// Opening a drawing file for reading without ever waiting on it.
#include <cstdio>
#include <memory>
#include <string>

#include "messages/outcome.h"

namespace kalo {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens the regular file at path for reading when it is no larger than maxSize bytes.
// Otherwise a failure names the reason (code page 850): a directory, a device or a FIFO is
// refused before anything is read from it, so that a name like "x.dxf" given to a pipe
// never blocks the program.
[[nodiscard]] Outcome OpenRegularFile(const std::string& path, long long maxSize, FileHandle& file);

}  // namespace kalo
