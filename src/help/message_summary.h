#pragma once
// The messages of the last calculation offered in a list, each with its explanation.
#include <cstddef>

namespace kalo {

struct Context;

inline constexpr int kSummaryHelpNumber = 1210;

// Silent with "/NOGUI" on the command line. Without messages it reports the calculation
// as successful; else it lists the messages and "Weiter/zurück..." until the user goes on
// or cancels, showing the explanation of each message chosen and then preselecting the
// next one.
void ShowMessageSummary(Context& context);
// The explanation of collected message 1..count in the window "ErrorExplanationDialog"; a missing
// error-message file is reported and sets the cancel flag.
void ShowMessageHelp(Context& context, size_t index);

}  // namespace kalo
