#pragma once
// Line-oriented text files with CR LF line ends, as the program's files are.
#include <string>
#include <vector>

namespace kalo {

// Reads all lines; CR LF and LF both end a line, a last line without an end counts.
// On failure returns false and leaves the reason in error (in code page 850).
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error);

// Writes the lines, each followed by CR LF, to a temporary file beside the target and
// renames it over the target only when everything was written. The old file stays
// untouched on any failure.
// The temporary file beside the target that a write goes to first.
std::string TemporaryNameFor(const std::string& path);

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines, std::string& error);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// The proof that a name can be written: the temporary file that a write of this name uses
// is created, closed and deleted again. An existing file of that name is never touched.
bool CanWriteFile(const std::string& path);
bool RemoveFile(const std::string& path);

}  // namespace kalo
