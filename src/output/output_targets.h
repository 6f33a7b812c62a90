#pragma once
// Where the lines of each output target go, and what happens to them when the output is
// closed: shown, printed, handed to a program or copied to their final names.
#include <string>

#include "messages/outcome.h"

namespace kalo {

struct Context;
struct TextChannel;

// The I/O error report of a file that could not be written, naming the cause; sets the
// cancel flag and gives false.
bool WriteFailed(Context& context, const std::string& path, const std::string& cause);
// True when the write was done; otherwise the report of WriteFailed with the write's cause.
bool WriteSucceeded(Context& context, const std::string& path, const Outcome& written);
// "outwin.txt" in the run's private folder: the copy of a report in the window code page;
// empty (with the cancel flag set) when there is no private folder.
std::string OutwinPath(Context& context);
// A code page 850 text as it is written into HTML files: in the window code page, or
// with the plain-letter option spelled out.
std::string WindowText(const Context& context, const std::string& cp850);

// Asks what the target needs (save dialog, pause question) and sets the output path;
// false with the cancel flag set when the user cancels or the name cannot be written.
bool PrepareTarget(Context& context, TextChannel& channel);
// Sends the lines written so far to the printer port; false with the cancel flag set
// when the port cannot be written.
bool SendToPrinterPort(Context& context, TextChannel& channel);
// Writes the finished output and hands it over; false with the cancel flag set when a
// file could not be written or the output cannot be delivered.
bool FinishTarget(Context& context, TextChannel& channel);

}  // namespace kalo
