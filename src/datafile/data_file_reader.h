#pragma once
// Reads a data file into the current body.
#include <string>

#include "messages/outcome.h"
#include <vector>

namespace kalo {

struct Body;
struct Context;
class DataFileLines;

// Fills the body's input (contour, density, arc division angle, texts, documentation,
// material record) from the lines of a data file; the first line that does not fit is
// refused through lines, and the body is then partly filled.
void ReadDataFileContent(DataFileLines& lines, Body& body);

// An empty name asks with the open dialog; a name without "." is completed as for writing.
// On success the body is replaced, the modified flag cleared, the current file name set
// (and the data directory when chosen in the dialog) and the body calculated. A failure's
// message, also shown to the user, names the file and the line; a cancelled dialog or a
// failure sets the cancel flag, and everything else stays as it was.
Outcome ReadDataFile(Context& context, const std::string& name);

}  // namespace kalo
