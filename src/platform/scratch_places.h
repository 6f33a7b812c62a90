#pragma once
// Where a run's private folder for scratch files may go. A folder of its own per run keeps
// runs started at the same time, and two windows of the program, from ever meeting.
#include <string>
#include <vector>

#include "platform/temporary_folders.h"

namespace kalo {

class Platform;

// The configured folder for temporary files with a separator; the environment's (TEMP,
// TMPDIR, the system's) when none is configured.
std::string TemporaryFolder(const Platform& platform, const std::string& configured);
// In the order tried: the configured temporary folder, then the environment's folders and
// the working folder, each once. The configured folder is named after the variable it was
// taken from when it is one of the environment's.
std::vector<NamedFolder> ScratchPlaces(const Platform& platform, const std::string& configured);
// "/tmp/ (TMPDIR)": the folder and where it came from, for messages.
std::string Described(const NamedFolder& place);

}  // namespace kalo
