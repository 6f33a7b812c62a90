// The configuration file, read as the program reads it at start.
#include "config/configuration_file.h"
#include "fuzz/fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kalo::fuzz::FuzzContext fuzz;
  kalo::fuzz::Inputs().Write("kalo.cfg", data, size);
  kalo::ReadConfiguration(fuzz.context, "kalo", fuzz.context.configDirectory);
  // The number forms and units every output takes from what was read.
  (void)fuzz.context.Numbers();
  (void)fuzz.context.Units();
  return 0;
}
