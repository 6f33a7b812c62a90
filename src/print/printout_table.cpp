#include "print/printout_table.h"

#include <algorithm>
#include <cctype>

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "dialogs/message_boxes.h"
#include "material/installed_table.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {

namespace {

constexpr const char* kTableName = "printout";
enum PrintoutField { kNameField = 1, kXScaleField, kYScaleField, kXOriginField, kYOriginField };

std::string Key(const std::string& name) {
  std::string key = TrimBlanks(name);
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
  return key;
}

// Physical number of the record carrying the name, 0 when there is none.
int RecordNamed(DbfTable& table, const std::string& name) {
  std::string key = Key(name);
  for (int n = 1; n <= table.RecordCount(); ++n)
    if (table.Go(n) && !table.IsDeleted() && Key(table.FieldText(kNameField)) == key) return n;
  return 0;
}

bool WriteFields(DbfTable& table, const PrintoutRecord& record) {
  return table.SetFieldText("name", TrimBlanks(record.name).substr(0, kPrintoutNameLength)) &&
         table.SetFieldText("xscale", record.xscale) && table.SetFieldText("yscale", record.yscale) &&
         table.SetFieldText("xorigin", record.xorigin) && table.SetFieldText("yorigin", record.yorigin) &&
         table.SetFieldBool("landscape", record.landscape) && table.SetFieldBool("monochrom", record.monochrom) &&
         table.SetFieldBool("variable", record.variable) && table.SetFieldBool("borderline", record.borderline) &&
         table.Post();
}

}  // namespace

bool OpenPrintoutTable(Context& context, DbfTable& table) {
  std::string besideProgram = WithSeparator(context.state.startupDirectory) + kTableName + ".dbf";
  if (context.state.startupDirectory.empty() || !FileExists(besideProgram))
    return OpenInstalledTable(context, kTableName, table);
  if (table.Open(besideProgram)) return true;
  ReportTableError(context, "DBF Error ", table);
  return false;
}

PrintoutRecord ReadPrintoutRecord(const DbfTable& table) {
  PrintoutRecord record;
  record.name = TrimBlanks(table.FieldText(kNameField));
  record.xscale = TrimBlanks(table.FieldText(kXScaleField));
  record.yscale = TrimBlanks(table.FieldText(kYScaleField));
  record.xorigin = TrimBlanks(table.FieldText(kXOriginField));
  record.yorigin = TrimBlanks(table.FieldText(kYOriginField));
  record.landscape = table.FieldBool("landscape");
  record.monochrom = table.FieldBool("monochrom");
  record.variable = table.FieldBool("variable");
  record.borderline = table.FieldBool("borderline");
  return record;
}

bool StorePrintoutRecord(Context& context, DbfTable& table, const PrintoutRecord& record) {
  int known = RecordNamed(table, record.name);
  if (known) {
    if (!AskYesNo(context, TrimBlanks(record.name) + " existiert bereits.   " + Oem("überschreiben") + " ?"))
      return false;
    table.Go(known);
  } else if (!table.Append()) {
    ReportTableError(context, "DBF Error ", table);
    return false;
  }
  if (WriteFields(table, record)) return true;
  ReportTableError(context, "DBF Error ", table);
  table.Cancel();
  if (!known) table.Delete();  // the empty record appended for it
  return false;
}

}  // namespace kalo
