#pragma once
// How every command of the menus runs.
#include <functional>

namespace kalo {

struct Context;

// Runs the command with nothing an earlier command left over (its cancellation, its notice)
// stopping or telling this one; what it changed becomes one step of the undo history.
void RunCommand(Context& context, const std::function<void(Context&)>& command);

}  // namespace kalo
