// The workbook reader behind "Import Excel -> KALO": column A of any bytes as a workbook.
#include <string>
#include <vector>

#include "fuzz/fuzz_harness.h"
#include "office/xlsx/xlsx_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> texts;
  (void)kalo::ReadWorkbookColumn(kalo::fuzz::Inputs().Write("input.xlsx", data, size), 1, texts);
  return 0;
}
