#pragma once
// A body that was modified when the window program was ended by a signal (logout, shutdown,
// a killed session) is kept in the user's state folder and offered at the next start.
#include <string>

namespace kalo {

struct Context;
class Platform;

// "recovered.kal" in the program's folder in the XDG state folder ($XDG_STATE_HOME, an
// absolute path, else ~/.local/state); empty without a home.
std::string RecoveryFilePath(const Platform& platform);

// Writes the modified body to the recovery file (as a whole or not at all); nothing for an
// unmodified body. True when a body was kept.
bool KeepBodyForRecovery(Context& context);

// At the start of the window program: when a kept body is there, asks whether to take it
// up again. Yes reads it as the current, modified body under the name of the file it came
// from (saving asks before it replaces that file), unnamed when it had none; No discards it;
// Abbrechen leaves it for the next start.
void OfferRecoveredBody(Context& context);

}  // namespace kalo
