#include "platform/temporary_folders.h"

#include "platform/paths.h"
#include "platform/platform.h"

namespace kalo {

std::vector<NamedFolder> EnvironmentTemporaryFolders(const Platform& platform) {
  std::vector<NamedFolder> folders;
  for (const char* variable : {"TEMP", "TMPDIR"}) folders.push_back({platform.GetEnvironment(variable), variable});
  folders.push_back({platform.SystemTemporaryDirectory(), "Systemordner"});
  std::erase_if(folders, [](const NamedFolder& folder) { return TrimBlanks(folder.path).empty(); });
  return folders;
}

std::string EnvironmentTemporaryFolder(const Platform& platform) {
  std::vector<NamedFolder> folders = EnvironmentTemporaryFolders(platform);
  return folders.empty() ? std::string() : folders.front().path;
}

}  // namespace kalo
