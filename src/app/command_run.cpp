#include "app/command_run.h"

#include "context/context.h"
#include "edit/undo_steps.h"

namespace kalo {

void RunCommand(Context& context, const std::function<void(Context&)>& command) {
  context.state.StartCommand();
  command(context);
  RememberChange(context);
}

}  // namespace kalo
