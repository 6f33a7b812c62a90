#include "cad/block_files.h"

#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/context.h"
#include "platform/paths.h"
#include "report/output_targets.h"

namespace kalo {
namespace {

constexpr const char* kBlockPrefix = "$";
constexpr const char* kBlockExtension = ".dx$";

bool IsBlockFileName(const std::string& name) {
  std::string extension = kBlockExtension;
  return name.size() > 1 + extension.size() && name.rfind(kBlockPrefix, 0) == 0 &&
         name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

std::string BlockNameOf(const std::string& fileName) {
  return fileName.substr(1, fileName.size() - 1 - std::string(kBlockExtension).size());
}

}  // namespace

std::string BlockFilePath(const Context& context, const std::string& name) {
  return TemporaryDirectory(context) + kBlockPrefix + name + kBlockExtension;
}

// The logos of the title block and the drawing corners come from outside and stay.
bool IsLogoBlock(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper == "LOGO_1" || upper == "LOGO_2" || upper == "LOGO_3";
}

void DeleteBlockFiles(const Context& context) {
  std::error_code error;
  std::filesystem::directory_iterator entries(NativePath(TemporaryDirectory(context)), error);
  if (error) return;
  std::vector<std::filesystem::path> blockFiles;
  for (const auto& entry : entries) {
    std::string name = entry.path().filename().string();
    if (IsBlockFileName(name) && !IsLogoBlock(BlockNameOf(name)) && entry.is_regular_file(error))
      blockFiles.push_back(entry.path());
  }
  for (const auto& path : blockFiles) std::filesystem::remove(path, error);
}

}  // namespace kalo
