// The help text files: the first two bytes choose the help number looked up, the rest is
// the file of the program's own numbers and the one of the shared ones.
#include "fuzz/fuzz_harness.h"
#include "help/help_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  int number = (data[0] << 8 | data[1]) % 10000;
  kalo::fuzz::FuzzContext fuzz;
  kalo::fuzz::Inputs().Write("kalo.hlp", data + 2, size - 2);
  kalo::fuzz::Inputs().Write("vortane.hlp", data + 2, size - 2);
  (void)kalo::LookUpHelp(fuzz.context, number);
  (void)kalo::GetHelpText(fuzz.context, number);
  (void)kalo::HelpToolTip(fuzz.context, number);
  return 0;
}
