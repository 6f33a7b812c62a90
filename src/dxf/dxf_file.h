#pragma once
// Opening a drawing file for reading without ever waiting on it.
#include <cstdio>
#include <memory>
#include <string>

namespace kalo {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The regular file at path, opened for reading, when it is no larger than maxSize bytes.
// Otherwise none, and the reason in error (code page 850): a directory, a device or a FIFO
// is refused before anything is read from it, so that a name like "x.dxf" given to a pipe
// never blocks the program.
FileHandle OpenRegularFile(const std::string& path, long long maxSize, std::string& error);

}  // namespace kalo
