#pragma once
// Saving an edited explanation into the error-message file.
#include <string>

namespace kalo {

struct Context;

// Replaces cause and remedy (code page 850) of the entry that the message's first 14
// characters find. The new file is put together in the temporary folder and copied over
// the error-message file only when complete; nothing is saved when the temporary folder is
// the help picture folder, and a message without an entry reports "<message> not found.".
// False when nothing was saved.
bool SaveMessageExplanation(Context& context, const std::string& message, const std::string& cause,
                            const std::string& remedy);

}  // namespace kalo
