// The data file reader with the calculation of what it read.
#include "datafile/data_file_reader.h"
#include "fuzz/fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kalo::fuzz::FuzzContext fuzz;
  kalo::ReadDataFile(fuzz.context, kalo::fuzz::Inputs().Write("input.kal", data, size));
  return 0;
}
