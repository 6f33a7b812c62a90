#pragma once
// Line-oriented text files with CR LF line ends, as the program's files are.
#include <cstdint>
#include <string>
#include <vector>

#include "messages/outcome.h"

namespace kalo {

// Reads all lines; CR LF and LF both end a line, a last line without an end counts.
// A failure names the reason (in code page 850); a file of more than maxBytes is not read
// at all.
[[nodiscard]] Outcome ReadTextLines(const std::string& path, std::vector<std::string>& lines, size_t maxBytes = SIZE_MAX);

// Writes the lines, each followed by CR LF, as the new content of the file: written to a
// fresh file beside the target and renamed over it only when everything was written
// (platform/file_replace.h), so the old file stays untouched on any failure. A failure names
// the cause (code page 850).
[[nodiscard]] Outcome WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
// Writes the bytes as the new content of the file, as WriteTextLines does.
[[nodiscard]] Outcome WriteFileContent(const std::string& path, const std::string& bytes);
// The bytes WriteTextLines writes: each line followed by CR LF.
std::string TextLinesBytes(const std::vector<std::string>& lines);
// Why a write of this name would fail now (the cause as WriteTextLines names it); empty when
// it can succeed. Nothing is written.
std::string WriteProblem(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// The proof that a name can be written: its folder takes a new file, and an existing file
// of that name may be written. Nothing is written and nothing is left behind.
bool CanWriteFile(const std::string& path);
// A new file can be created in the folder (empty: the working folder).
bool CanCreateFileIn(const std::string& directory);
// A fresh name beside the file a write of path goes to, reserved by creating it exclusively
// (the caller removes it), for probing; see ReserveNameBeside in platform/file_replace.h.
std::string TemporaryNameFor(const std::string& path);
bool RemoveFile(const std::string& path);

}  // namespace kalo
