#include "platform/text_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/paths.h"

namespace kalo {
namespace {

std::string SystemError() { return std::strerror(errno); }

}  // namespace

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) {
    error = SystemError();
    return false;
  }
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = SystemError();
    return false;
  }
  lines.clear();
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    size_t stop = (end > start && content[end - 1] == '\r') ? end - 1 : end;
    lines.emplace_back(content, start, stop - start);
    start = end + 1;
  }
  return true;
}

std::string TemporaryNameFor(const std::string& path) { return NativePath(path) + ".tmp~"; }

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines, std::string& error) {
  std::string target = NativePath(path);
  std::string temporary = TemporaryNameFor(path);
  FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) {
    error = SystemError();
    return false;
  }
  bool ok = true;
  for (const std::string& line : lines) {
    if (std::fwrite(line.data(), 1, line.size(), file) != line.size() || std::fputs("\r\n", file) == EOF) {
      ok = false;
      break;
    }
  }
  if (std::fflush(file) != 0) ok = false;
  if (!ok) error = SystemError();
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = SystemError();
  }
  if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    error = SystemError();
  }
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CanWriteFile(const std::string& path) {
  std::string native = TemporaryNameFor(path);
  FILE* file = std::fopen(native.c_str(), "wb");
  if (!file) return false;
  bool closed = std::fclose(file) == 0;
  return std::remove(native.c_str()) == 0 && closed;
}

bool RemoveFile(const std::string& path) { return std::remove(NativePath(path).c_str()) == 0; }

}  // namespace kalo
