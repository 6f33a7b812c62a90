#include "platform/file_system_faults.h"

namespace kalo {
namespace {

thread_local FileSystemFaults* installedFaults = nullptr;

}  // namespace

int InjectedFault(FileStep step, const std::string& path) {
  return installedFaults ? installedFaults->Fault(step, path) : 0;
}

ScopedFileSystemFaults::ScopedFileSystemFaults(FileSystemFaults& faults) : previous_(installedFaults) {
  installedFaults = &faults;
}

ScopedFileSystemFaults::~ScopedFileSystemFaults() { installedFaults = previous_; }

}  // namespace kalo
