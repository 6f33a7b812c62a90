#include "platform/shipped_files.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

namespace fs = std::filesystem;

bool SameFolder(const fs::path& a, const char* b) {
  std::error_code error;
  return fs::equivalent(a, fs::path(b), error);
}

}  // namespace

std::string ExecutablePath() {
  std::string buffer(4096, '\0');
  ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return length > 0 ? buffer.substr(0, static_cast<size_t>(length)) : std::string();
}

std::vector<std::string> ProgramDataFolders(const std::string& executablePath) {
  if (executablePath.empty()) return {};
  fs::path folder = fs::path(executablePath).parent_path();
  std::vector<std::string> folders = {(folder / "data").string(), (folder.parent_path() / "share" / "kalo").string()};
#if defined(KALO_BUILD_DIR) && defined(KALO_DATA_DIR)
  if (SameFolder(folder, KALO_BUILD_DIR)) folders.push_back(KALO_DATA_DIR);
#endif
  return folders;
}

std::string ShippedFilePath(const std::string& configuredDirectory, const std::string& name,
                            const std::vector<std::string>& dataFolders) {
  std::string configured = WithSeparator(configuredDirectory) + name;
  if (FileExists(configured)) return configured;
  for (const std::string& folder : dataFolders) {
    std::string shipped = WithSeparator(folder) + name;
    if (FileExists(shipped)) return shipped;
  }
  return configured;
}

std::string ShippedFilePath(const std::string& configuredDirectory, const std::string& name) {
  return ShippedFilePath(configuredDirectory, name, ProgramDataFolders(ExecutablePath()));
}

}  // namespace kalo
