#pragma once
// Edit → Rückgängig and Wiederholen, and the records they work from.

namespace kalo {

struct Context;

// A document begins: the body as opened (clean) or as a new, unsaved body.
void StartUndoHistory(Context& context, bool clean);
// After a command: the body's input becomes a new undo step when the command changed it.
void RememberChange(Context& context);
// The body on disk now is the current step (after a save or an import).
void MarkSaved(Context& context);
// The previous or next step of the body, calculated and shown; the modified flag tells
// whether it differs from the body last opened or saved.
void EditUndo(Context& context);
void EditRedo(Context& context);

}  // namespace kalo
