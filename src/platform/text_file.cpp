#include "platform/text_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "platform/paths.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

std::string SystemError() { return std::strerror(errno); }

}  // namespace

Outcome ReadTextLines(const std::string& path, std::vector<std::string>& lines, size_t maxBytes) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return Outcome::Failure(SystemError());
  // The size is looked at before anything is read: a file far beyond the bound (a sparse
  // file of gigabytes) costs no time and no memory. A device or pipe, which says nothing of
  // its size, is read only up to the bound.
  std::streamoff size = in.seekg(0, std::ios::end).tellg();
  if (size >= 0) {
    in.seekg(0);
  } else {
    in.clear();
    size = 0;
  }
  std::string content;
  if (static_cast<unsigned long long>(size) <= maxBytes) {
    content.reserve(static_cast<size_t>(size));
    for (std::istreambuf_iterator<char> byte(in), end; byte != end && content.size() <= maxBytes; ++byte)
      content += *byte;
  }
  if (in.bad()) return Outcome::Failure(SystemError());
  if (static_cast<unsigned long long>(size) > maxBytes || content.size() > maxBytes)
    return Outcome::Failure(Oem("Datei zu groß (mehr als ") + std::to_string(maxBytes) + " Bytes)");
  lines.clear();
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    size_t stop = (end > start && content[end - 1] == '\r') ? end - 1 : end;
    lines.emplace_back(content, start, stop - start);
    start = end + 1;
  }
  return Outcome::Done();
}

std::string TextLinesBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

Outcome WriteFileContent(const std::string& path, const std::string& bytes) {
  int failure = ReplaceFile(path, bytes);
  return failure == 0 ? Outcome::Done() : Outcome::Failure(WriteErrorText(failure, path));
}

Outcome WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteFileContent(path, TextLinesBytes(lines));
}

std::string WriteProblem(const std::string& path) {
  int problem = ReplaceProblem(path);
  return problem == 0 ? std::string() : WriteErrorText(problem, path);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CanWriteFile(const std::string& path) { return ReplaceProblem(path) == 0; }

bool CanCreateFileIn(const std::string& directory) { return CreateProblem(directory) == 0; }

std::string TemporaryNameFor(const std::string& path) { return ReserveNameBeside(path); }

bool RemoveFile(const std::string& path) { return std::remove(NativePath(path).c_str()) == 0; }

}  // namespace kalo
