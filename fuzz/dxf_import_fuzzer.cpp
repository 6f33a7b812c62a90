// The contour import from DXF drawings, as a batch chain runs it (no one to ask).
#include "edit/dxf_import.h"
#include "fuzz/fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kalo::fuzz::FuzzContext fuzz;
  std::string path = kalo::fuzz::Inputs().Write("input.dxf", data, size);
  kalo::ImportDxfContour(fuzz.context, path, kalo::DxfLoopChoice::Largest);
  return 0;
}
