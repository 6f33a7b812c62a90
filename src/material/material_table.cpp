#include "material/material_table.h"

#include <string>

#include "context/context.h"
#include "context/material_record.h"
#include "dbase/dbf_table.h"
#include "dbase/table_browser_form.h"
#include "dialogs/message_boxes.h"
#include "material/installed_table.h"

namespace kalo {
namespace {

// Any table whose first 13 fields hold the material's values serves.
bool HasMaterialFields(Context& context, const DbfTable& table) {
  if (table.FieldCount() >= kMaterialFieldCount) return true;
  ErrorBox(context, "Keine Werkstofftabelle (weniger als 13 Felder): " + table.FileName());
  context.state.cancel = true;
  return false;
}

// The index on field 1, built anew on every opening.
bool OrderByKey(Context& context, DbfTable& table) {
  context.ui.SetWaitCursor(true);
  bool ordered = table.CreateIndex(1);
  context.ui.SetWaitCursor(false);
  if (!ordered) ReportTableError(context, "DBF Error ", table);
  return ordered;
}

bool Position(Context& context, DbfTable& table, MaterialTableMode mode) {
  if (mode == MaterialTableMode::Selection) return GoToRememberedRecord(context, table, context.body.materialRecord);
  table.First();
  return true;
}

// A density the body may not have (0 in a half-filled table) is not taken into the body:
// the density dialog that follows proposes it and asks for a valid one.
void TakeOver(Context& context, const DbfTable& table, int record) {
  context.body.materialRecord = static_cast<uint16_t>(record);
  context.material = ReadMaterialRecord(table);
  long double density = context.material.density;
  if (density >= kMinDensity && density <= kMaxDensity) context.body.rho = density;
}

}  // namespace

bool OpenMaterialTable(Context& context, MaterialTableMode mode) {
  WarnWhenTableDirectoryReadOnly(context, kMaterialTableName);
  DbfTable table;
  Tdbf4 browser(context, table);
  browser.SetTitles("Werkstoff-Basisdaten", "");
  bool confirmed = OpenInstalledTable(context, kMaterialTableName, table) && HasMaterialFields(context, table) &&
                   OrderByKey(context, table) && Position(context, table, mode);
  if (confirmed) {
    context.state.helpNumber = kMaterialTableHelpNumber;
    confirmed = browser.ShowTable(static_cast<int>(mode));
  }
  if (confirmed && mode == MaterialTableMode::Selection) TakeOver(context, table, browser.RecordNumber());
  table.Close();
  return confirmed;
}

}  // namespace kalo
