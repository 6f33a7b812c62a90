#pragma once
// A fresh directory for one test, removed with everything in it afterwards.
#include <filesystem>
#include <set>
#include <string>

namespace kalo::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path of a file in the directory.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Whole file as bytes; empty when missing.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// The names in a folder, hidden ones too.
std::set<std::string> FolderEntries(const std::string& folder);

}  // namespace kalo::testing
