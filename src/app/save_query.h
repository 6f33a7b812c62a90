#pragma once
// The question before the current body is replaced or the program ends.

namespace kalo {

struct Context;

// Offers to save a modified body (or to discard unsaved input of a body without a name);
// a refusal sets the cancel flag. A command line file in archive mode is never saved.
void SaveQuery(Context& context);

}  // namespace kalo
