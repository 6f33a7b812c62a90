#pragma once
// A folder that belongs to one program run: created exclusively under a fresh name (mode
// 0700, so no other user can read or place anything in it) and removed with everything in
// it when the object ends, whether the run succeeded or not, or when the run is ended by a
// signal (platform/signal_cleanup.h).
#include <string>

namespace kalo {

class PrivateFolder {
 public:
  PrivateFolder() = default;
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  // Creates the folder "kalo-" + six characters inside parent (empty: the working folder)
  // and proves that it takes a file; 0, or the error number of the failure, with nothing
  // left behind. A folder made before is removed first.
  int CreateIn(const std::string& parent);
  bool Exists() const { return !path_.empty(); }
  // The folder's absolute name with a trailing separator; empty before it was created.
  const std::string& Path() const { return path_; }

 private:
  void Remove();

  std::string path_;
  int pendingSlot_ = -1;  // its registration for removal on a signal
};

}  // namespace kalo
