// The help picture index: read, and every edit keeps the lines it does not touch.
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_harness.h"
#include "help/help_picture_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  kalo::HelpPictureIndex index(bytes);
  if (index.Bytes() != bytes) std::abort();  // an index read and not edited is written back unchanged
  kalo::HelpPictureIndex edited = index;
  edited.Append({"NEU", "angehängt"});
  edited.Insert(0, {"VORN", "eingefügt"});
  if (!index.Entries().empty()) {
    edited.Change(1, {"ANDERS", "geändert"});
    edited.Delete(index.Entries().size());
  }
  (void)kalo::HelpPictureIndex(edited.Bytes());
  return 0;
}
