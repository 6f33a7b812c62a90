#pragma once
// The folders the environment offers for temporary files, each with where it came from.
#include <string>
#include <vector>

namespace kalo {

class Platform;

struct NamedFolder {
  std::string path;
  std::string source;  // "TEMP", "TMPDIR" or "Systemordner"
};

// In the order they are tried: the variables TEMP and TMPDIR, then the system's folder;
// unset ones are left out.
std::vector<NamedFolder> EnvironmentTemporaryFolders(const Platform& platform);
// The first of them; empty when there is none.
std::string EnvironmentTemporaryFolder(const Platform& platform);

}  // namespace kalo
