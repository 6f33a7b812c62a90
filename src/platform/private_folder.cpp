#include "platform/private_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/file_replace.h"
#include "platform/file_system_faults.h"
#include "platform/paths.h"
#include "platform/signal_cleanup.h"

namespace kalo {

PrivateFolder::~PrivateFolder() { Remove(); }

void PrivateFolder::Remove() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
  ReleasePending(pendingSlot_);
  pendingSlot_ = -1;
  path_.clear();
}

int PrivateFolder::CreateIn(const std::string& parent) {
  Remove();
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(NativePath(parent), error);
  if (error) return error.value();
  std::string pattern = (folder / "kalo-XXXXXX").string();
  if (int fault = InjectedFault(FileStep::kOpen, pattern)) return fault;
  {
    SignalsHeldBack heldBack;
    if (!mkdtemp(pattern.data())) return errno;
    pendingSlot_ = RegisterPending(pattern, PendingKind::kFolder);
  }
  // A full disk may still take a folder and empty files; a byte written shows whether
  // there is room.
  std::string probe = pattern + kNativeSeparator + "room";
  int full = ReplaceFile(probe, "x");
  std::filesystem::remove(probe, error);
  if (full) {
    std::filesystem::remove(pattern, error);
    ReleasePending(pendingSlot_);
    pendingSlot_ = -1;
    return full;
  }
  path_ = pattern + kNativeSeparator;
  return 0;
}

}  // namespace kalo
