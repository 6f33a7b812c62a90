#pragma once
// File names are Linux paths: only "/" separates directories, and "\" and ":" are ordinary
// characters of a name. Names read from stored files that the Windows program may have
// written pass PathFromStoredFile once, where they are read.
#include <string>
#include <string_view>

namespace kalo {

inline constexpr char kNativeSeparator = '/';

// Text after the last "/".
std::string FileNameOf(std::string_view path);
// Text up to and including the last "/" (empty when there is none).
std::string DirectoryOf(std::string_view path);
// File name without directory, up to its last ".".
std::string BaseNameOf(std::string_view path);
// Blanks removed at both ends; a separator appended unless the name is empty or already
// ends in one.
std::string WithSeparator(std::string_view directory);
// A name as a stored file holds it (a configuration directory, a program, a recent file):
// there "\" separates directories as "/" does, so it becomes "/".
std::string PathFromStoredFile(std::string_view path);
// The name as the file system expects it: names inside the program are native already.
std::string NativePath(std::string_view path);
std::string TrimBlanks(std::string_view text);
// The ASCII letters in capitals; the letters of code page 850 above 127 stay as they are.
std::string UpperCase(std::string text);

}  // namespace kalo
