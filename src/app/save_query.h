#pragma once
// The question before the current body is replaced or the program ends.
#include "messages/outcome.h"

namespace kalo {

struct Context;

// Offers to save a modified body (or to discard unsaved input of a body without a name).
// Done when the body may be replaced; cancelled when the user keeps it, a failure when the
// save failed (its message was shown). A command line file in archive mode is never saved.
Outcome SaveQuery(Context& context);

}  // namespace kalo
