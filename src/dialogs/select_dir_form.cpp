#include "dialogs/select_dir_form.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kalo {
namespace fs = std::filesystem;

namespace {

std::string Normal(const fs::path& path) {
  std::error_code error;
  fs::path absolute = fs::weakly_canonical(path, error);
  if (error) absolute = path.lexically_normal();
  std::string text = absolute.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

SelectDirForm::SelectDirForm(const std::string& start, std::vector<std::string> drives)
    : drives_(std::move(drives)), directory_(Normal(start)) {}

std::string SelectDirForm::Drive() const {
  std::string drive;
  for (const std::string& candidate : drives_) {
    bool holds = directory_.rfind(candidate, 0) == 0 &&
                 (directory_.size() == candidate.size() || candidate.back() == '/' || directory_[candidate.size()] == '/');
    if (holds && candidate.size() > drive.size()) drive = candidate;
  }
  return drive;
}

std::vector<std::string> SelectDirForm::Entries() const {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(directory_, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    std::error_code typeError;
    if (name.front() != '.' && it->is_directory(typeError)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  if (fs::path(directory_).has_relative_path()) names.insert(names.begin(), kParentEntry);
  return names;
}

void SelectDirForm::DirectoryListBox_open(const std::string& entry) {
  fs::path current(directory_);
  ChangeTo(entry == kParentEntry ? current.parent_path().string() : (current / entry).string());
}

void SelectDirForm::DriveComboBox_change(const std::string& drive) { ChangeTo(drive); }

void SelectDirForm::ChangeTo(const std::string& directory) {
  std::error_code error;
  if (fs::is_directory(directory, error)) directory_ = Normal(directory);
}

}  // namespace kalo
