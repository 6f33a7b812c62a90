#pragma once
// Writes the current body to its data file.
#include <string>
#include <vector>

#include "numbers/number_format.h"

namespace kalo {

struct Body;
struct Context;

// The lines of the data file of a body, numbers in the given format.
std::vector<std::string> DataFileContent(const Body& body, const NumberFormat& format);

// Resolves the target (an empty name asks with the save dialog, which also sets the data
// directory and the current file name on success), asks before overwriting unless
// suppressed, and writes the file as a whole or not at all. Nothing happens while the
// cancel flag is set; on failure the cancel flag is set and false returned.
bool WriteDataFile(Context& context, const std::string& name, bool suppressOverwriteQuestion = false);

}  // namespace kalo
