#pragma once
// The steps of the undo history: recorded when a document begins and after every command.

namespace kalo {

struct Context;

// A document begins: the body as opened (clean) or as a new, unsaved body.
void StartUndoHistory(Context& context, bool clean);
// After a command: the body's input becomes a new undo step when the command changed it.
void RememberChange(Context& context);
// The body on disk now is the current step (after a save or an import).
void MarkSaved(Context& context);

}  // namespace kalo
