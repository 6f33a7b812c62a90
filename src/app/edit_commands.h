#pragma once
// The commands of the Edit menu that change the body's parameters and texts.

namespace kalo {

struct Context;

// Edit Text: the drawing texts; OK marks the body modified and shows them.
void EditText(Context& context);
// Edit Geometrie: the element list; the changed body is calculated and marked modified.
void EditGeometry(Context& context);
// Edit Berechnung: the arc division angle (0.1..30 degrees), then the calculation.
void EditArcDivision(Context& context);
// The density of the material (0.01..100 kg/dm3), then the calculation; false when
// cancelled. Edit Werkstoff asks it after the material was chosen.
bool EnterDensity(Context& context);
// The same with another density proposed, such as that of a material just chosen.
bool EnterDensity(Context& context, long double proposed);
// Edit Reset: no elements, no results; on request the coordinates are cleared too.
void EditReset(Context& context);

}  // namespace kalo
