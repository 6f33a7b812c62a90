#pragma once
// Where the files of a run go that nobody else is to see: the report channel's temporary
// files, the block files, "penplot.dxf", the HTML and spreadsheet text files, "outwin.txt".
// They live in the run's private folder inside the temporary folder, so that runs started
// at the same time, and two windows of the program, never meet.
#include <string>

namespace kalo {

struct Context;

// The configured folder for temporary files with a separator; the environment's (TEMP,
// TMPDIR, the system's) when none is configured. Files supplied from outside, such as the
// logo blocks, are found here.
std::string TemporaryDirectory(const Context& context);
// The run's private folder with a separator, created on first use in the temporary folder.
// When that folder cannot take it, the next of TEMP, TMPDIR, the system's folder and the
// working folder that can is used, and the error stream names each place that failed and
// the one taken. Empty with the cancel flag set when no place works.
std::string ScratchDirectory(Context& context);
// A file of that name in the private folder; empty (with the cancel flag set) when there is
// no private folder.
std::string ScratchFile(Context& context, const std::string& name);

}  // namespace kalo
