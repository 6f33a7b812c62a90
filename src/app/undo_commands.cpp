#include "app/undo_commands.h"

#include "app/view_commands.h"
#include "calc/calculation.h"
#include "context/context.h"

namespace kalo {
namespace {

void Return(Context& context, const BodyInput& input) {
  RestoreInput(context.body, input);
  context.state.modified = !context.undo.AtClean();
  Calculate(context.body, context.config, context.messages);
  RefreshView(context);
}

}  // namespace

void EditUndo(Context& context) {
  RememberChange(context);
  if (context.undo.CanUndo()) Return(context, context.undo.Undo());
}

void EditRedo(Context& context) {
  if (context.undo.CanRedo()) Return(context, context.undo.Redo());
}

}  // namespace kalo
