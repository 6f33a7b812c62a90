#include "office/overview_export.h"

#include "context/context.h"
#include "model/data_file_table.h"
#include "office/spreadsheet_start.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

void SetRow(Spreadsheet& sheet, int row, const TableRow& texts, bool plainLetters) {
  for (int column = 0; column < kTableColumns; ++column)
    sheet.SetCell(row, column + 1, DisplayUtf8(texts[static_cast<size_t>(column)], plainLetters));
}

}  // namespace

void ExportOverview(Context& context, const DataFileTable& table) {
  context.state.cancel = false;
  std::unique_ptr<Spreadsheet> sheet = StartSpreadsheet(context, "Could not start Excel");
  if (!sheet) return;
  bool plainLetters = context.Units().plainLetters;
  SetRow(*sheet, 1, table.header, plainLetters);
  for (size_t r = 0; r < table.rows.size(); ++r) SetRow(*sheet, static_cast<int>(r + 2), table.rows[r], plainLetters);
  ShowSpreadsheet(context, *sheet);
}

}  // namespace kalo
