#pragma once
// The seam through which tests make the machine's file operations fail. The write paths ask
// InjectedFault before every step that can fail on a real machine; in the program nothing is
// installed and every step goes ahead.
//
// The write helpers are free functions that many subsystems call without a program context,
// so faults are installed for the current thread by a scoped object, which only tests create:
// no other thread and no other test sees them.
#include <string>

namespace kalo {

enum class FileStep {
  kOpen,    // creating or opening a file for writing (also the probe of a folder, a new folder, a port)
  kWrite,   // one write of bytes into an open file or port
  kClose,   // closing a written file, where a full disk or a lost connection may show only now
  kRename,  // the replace step: the complete new file renamed over the target
};

class FileSystemFaults {
 public:
  virtual ~FileSystemFaults() = default;
  // 0 to let the step go ahead, or the error number it fails with. path is the file the
  // program means to write (for the probe of a folder: the name tried in it).
  virtual int Fault(FileStep step, const std::string& path) = 0;
};

// The error number the faults installed for this thread give the step, or 0.
int InjectedFault(FileStep step, const std::string& path);

// Installs faults for the current thread for the object's lifetime; the faults installed
// before come back when it ends.
class ScopedFileSystemFaults {
 public:
  explicit ScopedFileSystemFaults(FileSystemFaults& faults);
  ~ScopedFileSystemFaults();
  ScopedFileSystemFaults(const ScopedFileSystemFaults&) = delete;
  ScopedFileSystemFaults& operator=(const ScopedFileSystemFaults&) = delete;

 private:
  FileSystemFaults* previous_;
};

}  // namespace kalo
