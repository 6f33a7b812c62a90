// The dBase table engine: a table of any bytes opened, read field by field, indexed,
// searched and packed; the same bytes appended as delimited text to a small valid table.
#include <string>
#include <tuple>

#include "dbase/dbf_table.h"
#include "fuzz/fuzz_harness.h"

namespace {

// A dBase III table of one character field "NAME" (10 wide) and one numeric field "N"
// (6 wide, 2 decimals) holding one record.
std::string SmallTable() {
  std::string bytes(32, '\0');
  bytes[0] = 0x03, bytes[1] = 126, bytes[2] = 12, bytes[3] = 7;
  bytes[4] = 1;                          // one record
  bytes[8] = static_cast<char>(32 + 64 + 1);  // header length
  bytes[10] = 1 + 10 + 6;                // record length
  for (auto [name, type, width, decimals] : {std::tuple{"NAME", 'C', 10, 0}, std::tuple{"N", 'N', 6, 2}}) {
    std::string descriptor(32, '\0');
    descriptor.replace(0, std::string(name).size(), name);
    descriptor[11] = type, descriptor[16] = static_cast<char>(width), descriptor[17] = static_cast<char>(decimals);
    bytes += descriptor;
  }
  return bytes + "\r" + " Stahl       7.85" + "\x1A";
}

void Exercise(kalo::DbfTable& table) {
  for (int record = 1; record <= table.RecordCount(); ++record) {
    table.Go(record);
    for (int field = 1; field <= table.FieldCount(); ++field) table.FieldText(field);
  }
  if (table.FieldCount() > 0) table.CreateIndex(1);
  for (table.First(); !table.Eof(); table.Next()) table.FieldText(1);
  table.Search("a", false);
  table.Pack();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const kalo::fuzz::InputFolder& inputs = kalo::fuzz::Inputs();
  kalo::DbfTable table;
  if (table.Open(inputs.Write("input.dbf", data, size))) Exercise(table);
  table.Close();

  std::string small = SmallTable();
  inputs.Write("small.dbf", reinterpret_cast<const uint8_t*>(small.data()), small.size());
  if (table.Open(inputs.Path() + "small.dbf")) {
    table.AppendDelimited(inputs.Write("input.txt", data, size));
    Exercise(table);
  }
  return 0;
}
