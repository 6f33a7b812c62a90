#pragma once
// The question sequence that composes a plot program command line step by step.
#include <string>

namespace kalo {

struct Context;

inline constexpr size_t kPlotProgramLineLength = 60;

// Asks program, format, interface, port or output file, scale, rotation, offsets, text
// width factor and PostScript font, and composes the command line into commandLine. A line
// longer than 60 characters goes into an executable shell script whose name becomes the
// command line. False, with the cancel flag set and commandLine unchanged, on any cancel.
bool BuildPlotCommand(Context& context, std::string& commandLine);

}  // namespace kalo
