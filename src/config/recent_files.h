#pragma once
// The recent-files file "kalo.cff" beside the configuration file: a session line and the
// four most recently used data files.
#include <string>

namespace kalo {

struct Context;

// Configuration directory with separator + short name + ".cff".
std::string RecentFilesPath(const Context& context);

// All four entries become empty when the file cannot be read.
void ReadRecentFiles(Context& context);
// On failure nothing is written and the cancel flag is set.
void WriteRecentFiles(Context& context);

}  // namespace kalo
