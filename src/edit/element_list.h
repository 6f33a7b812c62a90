#pragma once
// Edit → Geometrie: the element list loop and the coordinate form of one element.

namespace kalo {

struct Context;

// Opens the list until the user closes it with OK or Abbrechen (or a prompt is cancelled,
// which sets the cancel flag). Abbrechen gives back the body as it was when the list
// opened; a cancelled prompt keeps what was confirmed before it.
void EditElementList(Context& context);
// The coordinate form for element n; a coordinate holding the marker 999 starts at the
// element before it. False (cancel flag set) when the form was cancelled.
bool EditElement(Context& context, int n);

}  // namespace kalo
