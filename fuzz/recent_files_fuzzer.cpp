// The recent-files file beside the configuration.
#include "config/recent_files.h"
#include "fuzz/fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kalo::fuzz::FuzzContext fuzz;
  kalo::fuzz::Inputs().Write("kalo.cff", data, size);
  kalo::ReadRecentFiles(fuzz.context);
  return 0;
}
