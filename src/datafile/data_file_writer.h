#pragma once
// Writes the current body to its data file.
#include <string>
#include <vector>

#include "messages/outcome.h"
#include "numbers/number_format.h"

namespace kalo {

struct Body;
struct Context;

// The lines of the data file of a body, numbers in the given format.
std::vector<std::string> DataFileContent(const Body& body, const NumberFormat& format);

// Resolves the target (an empty name asks with the save dialog, which also sets the data
// directory and the current file name on success), asks before overwriting unless
// suppressed, and writes the file as a whole or not at all. Cancelled when the user
// cancelled a question (or archive mode keeps the file), a failure after its message when
// the file cannot be written; both set the cancel flag.
Outcome WriteDataFile(Context& context, const std::string& name, bool suppressOverwriteQuestion = false);

}  // namespace kalo
