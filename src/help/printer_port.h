#pragma once
// Sending a file's bytes unchanged to a printer port (a device, or a file standing for one).
#include <string>

namespace kalo {

// HP-GL/2 laser printers: reset and switch to HP-GL/2 before the picture, back and reset
// after it.
inline constexpr const char* kHpgl2Start = "\x1B" "E" "\x1B%0B";
inline constexpr const char* kHpgl2End = "\x1B%0A" "\x1B" "E";

// Writes the bytes to the port, which must exist (no file is created in its place); a
// printer that takes nothing for a while fails instead of holding the program. Returns 0
// or the error number; closeFailed tells a failure of the final close.
int SendToPrinterPort(const std::string& portPath, const std::string& bytes, bool& closeFailed);

}  // namespace kalo
