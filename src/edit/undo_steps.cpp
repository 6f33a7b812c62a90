#include "edit/undo_steps.h"

#include "context/context.h"

namespace kalo {

void StartUndoHistory(Context& context, bool clean) { context.undo.Start(InputOf(context.body), clean); }

void RememberChange(Context& context) { context.undo.Record(InputOf(context.body)); }

void MarkSaved(Context& context) {
  RememberChange(context);
  context.undo.MarkClean();
}

}  // namespace kalo
