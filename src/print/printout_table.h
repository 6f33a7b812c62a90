#pragma once
// The table "printout.dbf" of named print settings, one per record: name C(25), xscale,
// yscale, xorigin, yorigin, and the logical fields landscape, monochrom, variable and
// borderline. The first five fields are read by position, the logical ones by name.
#include <string>

namespace kalo {

struct Context;
class DbfTable;

inline constexpr int kPrintoutNameLength = 25;

struct PrintoutRecord {
  std::string name;
  std::string xscale, yscale, xorigin, yorigin;  // as the table or the dialog writes them
  bool landscape = false;
  bool monochrom = false;
  bool variable = false;  // fit the picture before printing ("anpassen")
  bool borderline = false;
};

// Opens the table from the start-up directory when it is there, else the installed table
// (the table directory's, else the program's own); false after a message when it cannot.
bool OpenPrintoutTable(Context& context, DbfTable& table);
// The current record.
PrintoutRecord ReadPrintoutRecord(const DbfTable& table);
// Stores the settings under their name: a name that is not in the table yet (compared
// without surrounding blanks and case) gets a new record; the record of a known name is
// replaced after the user agreed. False when nothing was stored.
bool StorePrintoutRecord(Context& context, DbfTable& table, const PrintoutRecord& record);

}  // namespace kalo
