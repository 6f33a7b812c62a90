#pragma once
// File names: both "\" and "/" separate directories when a name is taken apart;
// paths are built with the native separator.
#include <string>
#include <string_view>

namespace kalo {

inline constexpr char kNativeSeparator = '/';

// Text after the last "\", "/" or ":".
std::string FileNameOf(std::string_view path);
// Text up to and including the last "\", "/" or ":" (empty when there is none).
std::string DirectoryOf(std::string_view path);
// File name without directory, up to its last ".".
std::string BaseNameOf(std::string_view path);
// Blanks removed at both ends; a separator appended unless the name is empty or already
// ends in a separator, a drive colon, a "." or another character that cannot end a name.
std::string WithSeparator(std::string_view directory);
// The name as the file system expects it: "\" becomes the native separator.
std::string NativePath(std::string_view path);
std::string TrimBlanks(std::string_view text);

}  // namespace kalo
