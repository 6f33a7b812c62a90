#include "context/material_record.h"

#include "dbase/dbf_table.h"
#include "numbers/number_format.h"

namespace kalo {
namespace {

constexpr size_t kKeyLength = 9, kNameLength = 18, kGroupLength = 9, kRemarkLength = 35;

std::string Text(const DbfTable& table, int field, size_t limit) { return table.FieldText(field).substr(0, limit); }

long Integer(const DbfTable& table, int field) {
  long value = 0;
  return ParseInteger(table.FieldText(field), value) ? value : 0;
}

long double Real(const DbfTable& table, int field) {
  return RealOrZero(table.FieldText(field));
}

}  // namespace

MaterialRecord ReadMaterialRecord(const DbfTable& table) {
  MaterialRecord record;
  record.tableRecord = table.RecNo();
  record.key = Text(table, 1, kKeyLength);
  record.name = Text(table, 2, kNameLength);
  record.group = Text(table, 3, kGroupLength);
  for (int i = 0; i < 4; ++i) record.integers[i] = Integer(table, 4 + i);
  for (int i = 0; i < 3; ++i) record.reals[i] = Real(table, 8 + i);
  record.density = Real(table, 11);
  for (int i = 0; i < 2; ++i) record.remarks[i] = Text(table, 12 + i, kRemarkLength);
  return record;
}

}  // namespace kalo
