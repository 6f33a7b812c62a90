#pragma once
// Edit → Rückgängig and Wiederholen.
#include "edit/undo_steps.h"

namespace kalo {

struct Context;

// The previous or next step of the body, calculated and shown; the modified flag tells
// whether it differs from the body last opened or saved.
void EditUndo(Context& context);
void EditRedo(Context& context);

}  // namespace kalo
