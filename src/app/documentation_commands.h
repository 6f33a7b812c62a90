#pragma once
// The commands of the Documentation menu. Every change of the drawing information or the
// change history makes the body modified, so that it is not lost without the save question.
#include <cstddef>

namespace kalo {

struct Context;

void DocumentationInfo(Context& context);
// The change list on the screen, and on the configured output target.
void DocumentationShowChanges(Context& context);
void DocumentationPrintChanges(Context& context);
// Add a change, or edit the last one, then show the list.
void DocumentationNewChange(Context& context);
void DocumentationModifyChange(Context& context);
void DocumentationDeleteChange(Context& context);
// Document n (1..5), and the set-up of the five links (modified on OK).
void DocumentationOpen(Context& context, size_t n);
void DocumentationSetup(Context& context);

}  // namespace kalo
