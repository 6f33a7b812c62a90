#include "platform/paths.h"

#include <algorithm>
#include <cctype>

namespace kalo {
namespace {

size_t LastSeparator(std::string_view path) { return path.rfind(kNativeSeparator); }

}  // namespace

std::string FileNameOf(std::string_view path) {
  size_t pos = LastSeparator(path);
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string DirectoryOf(std::string_view path) {
  size_t pos = LastSeparator(path);
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string BaseNameOf(std::string_view path) {
  std::string name = FileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string TrimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string WithSeparator(std::string_view directory) {
  std::string dir = TrimBlanks(directory);
  if (!dir.empty() && dir.back() != kNativeSeparator) dir += kNativeSeparator;
  return dir;
}

std::string PathFromStoredFile(std::string_view path) {
  std::string native(path);
  std::replace(native.begin(), native.end(), '\\', kNativeSeparator);
  return native;
}

std::string NativePath(std::string_view path) { return std::string(path); }

}  // namespace kalo
