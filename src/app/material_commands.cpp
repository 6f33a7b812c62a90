#include "app/material_commands.h"

#include "app/edit_commands.h"
#include "context/context.h"
#include "material/material_table.h"

namespace kalo {

void SelectMaterial(Context& context) {
  if (!OpenMaterialTable(context, MaterialTableMode::Selection)) return;
  context.state.modified = true;
  EnterDensity(context, context.material.density);
}

void EditMaterialTable(Context& context) {
  OpenMaterialTable(context, MaterialTableMode::Editing);
}

}  // namespace kalo
