#pragma once
// Faults of the machine for tests: a plan of file steps that fail, installed for the test's
// thread while the plan lives.
#include <string>
#include <vector>

#include "platform/file_system_faults.h"

namespace kalo::testing {

struct FileFault {
  FileStep step;
  int error;                  // the error number the step fails with
  int occurrence = 0;         // only the Nth step of this kind on a matching path fails; 0: every one
  std::string pathPart = "";  // a part of the path the step must work on; empty: any path
};

class FaultPlan : public FileSystemFaults {
 public:
  explicit FaultPlan(std::vector<FileFault> faults) : faults_(std::move(faults)), seen_(faults_.size()), scope_(*this) {}

  int Fault(FileStep step, const std::string& path) override {
    for (size_t k = 0; k < faults_.size(); ++k) {
      const FileFault& fault = faults_[k];
      if (fault.step != step || path.find(fault.pathPart) == std::string::npos) continue;
      ++seen_[k];
      if (fault.occurrence == 0 || seen_[k] == fault.occurrence) {
        ++injected;
        return fault.error;
      }
    }
    return 0;
  }

  int injected = 0;  // how many steps were made to fail

 private:
  std::vector<FileFault> faults_;
  std::vector<int> seen_;
  ScopedFileSystemFaults scope_;
};

}  // namespace kalo::testing
