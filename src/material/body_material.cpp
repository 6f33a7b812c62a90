#include "material/body_material.h"

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "material/installed_table.h"
#include "material/material_table.h"
#include "platform/paths.h"

namespace kalo {

std::optional<MaterialRecord> BodyMaterial(const Context& context) {
  int record = context.body.materialRecord;
  if (record == 0) return std::nullopt;
  if (context.material.tableRecord == record) return context.material;
  DbfTable table;
  if (!table.Open(InstalledTablePath(context, kMaterialTableName)) || table.FieldCount() < kMaterialFieldCount ||
      record > table.RecordCount() || !table.Go(record))
    return std::nullopt;
  return ReadMaterialRecord(table);
}

std::string MaterialNameAndNumber(const MaterialRecord& material) {
  std::string name = TrimBlanks(material.name);
  std::string number = "Nr. " + TrimBlanks(material.key);
  return name.empty() ? number : name + " (" + number + ")";
}

std::string MaterialStatus(const MaterialRecord& material, long double density, const NumberFormat& format) {
  return "Werkstoff " + MaterialNameAndNumber(material) + ", rho = " + FormatSignificant(density, format) + " kg/dm3";
}

}  // namespace kalo
