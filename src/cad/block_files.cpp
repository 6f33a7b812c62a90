#include "cad/block_files.h"

#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "context/context.h"
#include "output/scratch_files.h"

namespace kalo {
namespace {

constexpr const char* kBlockPrefix = "$";
constexpr const char* kBlockExtension = ".dx$";

std::string BlockFileName(const std::string& name) { return kBlockPrefix + name + kBlockExtension; }

bool IsBlockFileName(const std::string& name) {
  std::string extension = kBlockExtension;
  return name.size() > 1 + extension.size() && name.rfind(kBlockPrefix, 0) == 0 &&
         name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

}  // namespace

std::string BlockFilePath(Context& context, const std::string& name) {
  if (IsLogoBlock(name)) return TemporaryDirectory(context) + BlockFileName(name);
  return ScratchFile(context, BlockFileName(name));
}

// The logos of the title block and the drawing corners come from outside and stay.
bool IsLogoBlock(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper == "LOGO_1" || upper == "LOGO_2" || upper == "LOGO_3";
}

// Only the private folder holds block files of the program's own drawings.
void DeleteBlockFiles(const Context& context) {
  if (!context.scratchFolder.Exists()) return;
  std::error_code error;
  std::filesystem::directory_iterator entries(context.scratchFolder.Path(), error);
  if (error) return;
  std::vector<std::filesystem::path> blockFiles;
  for (const auto& entry : entries)
    if (IsBlockFileName(entry.path().filename().string()) && entry.is_regular_file(error))
      blockFiles.push_back(entry.path());
  for (const auto& path : blockFiles) std::filesystem::remove(path, error);
}

}  // namespace kalo
