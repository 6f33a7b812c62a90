// The error-message file: the input's first line is the message explained, the rest the file.
#include <string>

#include "fuzz/fuzz_harness.h"
#include "help/error_message_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  size_t end = bytes.find('\n');
  std::string message = bytes.substr(0, end);
  std::string file = end == std::string::npos ? std::string() : bytes.substr(end + 1);
  kalo::fuzz::FuzzContext fuzz;
  kalo::fuzz::Inputs().Write("kalo.err", reinterpret_cast<const uint8_t*>(file.data()), file.size());
  (void)kalo::ExplainMessage(fuzz.context, message);
  fuzz.context.messages.Report(message);
  (void)kalo::GetMessageCause(fuzz.context, 1);
  (void)kalo::GetMessageRemedy(fuzz.context, 1);
  return 0;
}
