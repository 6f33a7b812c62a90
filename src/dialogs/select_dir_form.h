#pragma once
// The directory form: a drive list and the list of directories below the current
// one. On this system the drives are the file system root and the home directory.
#include <string>
#include <vector>

namespace kalo {

inline constexpr const char* kParentEntry = "..";

class SelectDirForm {
 public:
  // start must be an existing directory.
  SelectDirForm(const std::string& start, std::vector<std::string> drives);

  std::string caption = "Select Directory";

  const std::vector<std::string>& Drives() const { return drives_; }
  // The drive the directory lies on: the longest drive path it starts with.
  std::string Drive() const;
  // The current directory of the list, without a trailing separator (except the root).
  const std::string& Directory() const { return directory_; }
  // ".." unless the directory is the root, then the visible subdirectories by name.
  std::vector<std::string> Entries() const;

  // Opening an entry enters that subdirectory, ".." goes up; anything that is no
  // directory (any more) leaves the list where it is.
  void DirectoryListBox_open(const std::string& entry);
  void DriveComboBox_change(const std::string& drive);
  // The chosen directory.
  const std::string& OkClick() const { return directory_; }

 private:
  void ChangeTo(const std::string& directory);

  std::vector<std::string> drives_;
  std::string directory_;
};

}  // namespace kalo
