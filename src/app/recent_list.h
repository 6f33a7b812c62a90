#pragma once
// The four recently used data files of the File menu, newest first.
#include <string>

namespace kalo {

struct Context;
struct ProgramState;

inline constexpr int kRecentEntries = 4;
// Paths of this many characters or more are shortened in their menu caption.
inline constexpr size_t kLongRecentPath = 50;

// The full path of a data file name as the recent list keeps it: a name without directory
// goes to the data directory, a name without "." gets the data file extension, and a
// relative path is completed by the working directory.
std::string RecentPath(const Context& context, const std::string& name);
// The name becomes entry 1; an entry equal to it without regard to case is removed first.
void AddToRecentList(Context& context, const std::string& name);
// Removes entry n (1..4); the entries after it move up.
void RemoveRecentEntry(ProgramState& state, int n);
// "&n path", the path shortened to "first part\...\last part" from 50 characters on.
std::string RecentFileCaption(int n, const std::string& path);

}  // namespace kalo
