#pragma once
// The commands on the material table: Edit Werkstoff and Datenbank Werkstoff.

namespace kalo {

struct Context;

// Edit Werkstoff: a material picked from the table gives the body its density, which the
// density dialog then offers for change before the body is calculated. Cancelling that
// dialog keeps the material's density without calculating; the body counts as modified
// once a material was taken over.
void SelectMaterial(Context& context);
// Datenbank Werkstoff: the table to browse and edit; nothing is taken over.
void EditMaterialTable(Context& context);

}  // namespace kalo
