#include "app/recent_list.h"

#include <algorithm>
#include <cctype>

#include "context/context.h"
#include "datafile/data_file_format.h"
#include "platform/paths.h"

namespace kalo {
namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

bool IsAbsolute(const std::string& path) {
  return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() > 1 && path[1] == ':');
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// A menu shows "&" as the mark of the accelerator; one that belongs to the path is doubled.
std::string WithLiteralAmpersands(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

std::string ShortenedPath(const std::string& path) {
  if (path.size() < kLongRecentPath) return path;
  auto first = std::find_if(path.begin(), path.end(), IsSeparator);
  auto last = std::find_if(path.rbegin(), path.rend(), IsSeparator);
  if (first == path.end()) return path;
  size_t firstIndex = static_cast<size_t>(first - path.begin());
  size_t lastIndex = path.size() - 1 - static_cast<size_t>(last - path.rbegin());
  if (firstIndex >= lastIndex) return path;
  return path.substr(0, firstIndex + 1) + "..." + path.substr(lastIndex);
}

}  // namespace

std::string RecentPath(const Context& context, const std::string& name) {
  std::string path = DataFilePath(context.state, name);
  return IsAbsolute(path) ? path : WithSeparator(context.platform.CurrentDirectory()) + path;
}

void AddToRecentList(Context& context, const std::string& name) {
  std::string path = RecentPath(context, name);
  auto& entries = context.state.recentFiles;
  for (int n = kRecentEntries; n >= 1; --n)
    if (EqualIgnoringCase(entries[static_cast<size_t>(n - 1)], path)) RemoveRecentEntry(context.state, n);
  std::move_backward(entries.begin(), entries.end() - 1, entries.end());
  entries[0] = path;
}

void RemoveRecentEntry(ProgramState& state, int n) {
  auto& entries = state.recentFiles;
  if (n < 1 || n > kRecentEntries) return;
  std::move(entries.begin() + n, entries.end(), entries.begin() + (n - 1));
  entries.back().clear();
}

std::string RecentFileCaption(int n, const std::string& path) {
  return "&" + std::to_string(n) + " " + WithLiteralAmpersands(ShortenedPath(path));
}

}  // namespace kalo
