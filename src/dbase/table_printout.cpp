#include "dbase/table_printout.h"

#include <algorithm>
#include <vector>

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "output/table_writer.h"
#include "output/text_output.h"

namespace kalo {

void PrintTable(Context& context, const DbfTable& table, const std::string& caption, const std::string& title1) {
  TextOutput output(context);
  output.SetHeaderTexts(
      {std::string(kProgramName) + " V" + kProgramVersion, table.FileName(), caption, title1, ""});
  if (!output.Open(0)) return;
  output.PageHeader();
  int columns = std::min<int>(table.FieldCount(), kMaxTableColumns);
  std::vector<std::string> headers;
  std::vector<int> widths;
  for (int n = 1; n <= columns; ++n) {
    headers.push_back(table.FieldName(n));
    widths.push_back(table.FieldWidth(n) + 1);
  }
  TableWriter writer(output, headers, widths);
  for (int record = 1; record <= table.RecordCount() && !context.state.cancel; ++record) {
    std::vector<std::string> cells;
    for (int n = 1; n <= columns; ++n) cells.push_back(table.RecordFieldText(record, n));
    writer.WriteRow(cells);
  }
  writer.Close();
  output.Close();
}

}  // namespace kalo
