// The data file reader with the calculation of what it read.
#include "fuzz/fuzz_harness.h"
#include "model/data_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kalo::fuzz::FuzzContext fuzz;
  kalo::ReadDataFile(fuzz.context, kalo::fuzz::Inputs().Write("input.kal", data, size));
  return 0;
}
