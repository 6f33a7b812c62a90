#pragma once
// The change history of the drawing: up to 25 changes in order of entry. Only the last
// change can be modified or deleted.
#include <string>

#include "context/configuration.h"

namespace kalo {

struct Context;

// Adds a change dated today and edits it; a cancelled dialog leaves it with its date and
// empty texts (and the cancel flag set). A 26th change is refused with
// "Max. Änderungen = 25 !".
void NewChange(Context& context);
// Edits the last change; nothing on an empty list.
void ModifyLastChange(Context& context);
// Removes the last change; nothing on an empty list.
void DeleteLastChange(Context& context);

// The index of change n (from 1) in the change list: "1", "2", … with numbers, else "a", "b", ….
std::string ChangeIndex(size_t n, ChangeIndexStyle indexStyle);

}  // namespace kalo
