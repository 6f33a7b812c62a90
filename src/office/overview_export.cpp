#include "office/overview_export.h"

#include <array>

#include "context/context.h"
#include "datafile/data_file_table.h"
#include "office/spreadsheet_start.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// How the spreadsheet shows the number columns n, A, rho, V, m and Jx: as many decimals as
// the overview shows (more in inches), the mass moment of inertia, often tiny, in powers of ten.
std::array<const char*, kTableColumns - kFirstNumberColumn> NumberFormats(bool inch) {
  return {"0", inch ? "0.0000" : "0.0", "0.00", inch ? "0.0000" : "0", "0.000", "0.000E+00"};
}

void SetTexts(Spreadsheet& sheet, int row, const TableRow& texts, int columns, bool plainLetters) {
  for (int column = 0; column < columns; ++column)
    sheet.SetCell(row, column + 1, DisplayUtf8(texts[static_cast<size_t>(column)], plainLetters));
}

// A file that was read gets its numbers in full precision; a damaged one keeps its texts.
void SetRow(Spreadsheet& sheet, int row, const TableRow& texts, const DataFileTable& table, bool inch,
            bool plainLetters) {
  auto numbers = table.numbers.find(texts[kColumnFile]);
  if (numbers == table.numbers.end()) {
    SetTexts(sheet, row, texts, kTableColumns, plainLetters);
    return;
  }
  SetTexts(sheet, row, texts, kFirstNumberColumn, plainLetters);
  auto formats = NumberFormats(inch);
  for (size_t k = 0; k < formats.size(); ++k)
    sheet.SetNumber(row, kFirstNumberColumn + static_cast<int>(k) + 1, numbers->second[k], formats[k]);
}

}  // namespace

void ExportOverview(Context& context, const DataFileTable& table) {
  context.state.cancel = false;
  std::unique_ptr<Spreadsheet> sheet = StartSpreadsheet(context, "Could not start Excel");
  if (!sheet) return;
  bool plainLetters = context.Units().plainLetters;
  bool inch = context.Units().inch;
  SetTexts(*sheet, 1, table.header, kTableColumns, plainLetters);
  for (size_t r = 0; r < table.rows.size(); ++r)
    SetRow(*sheet, static_cast<int>(r + 2), table.rows[r], table, inch, plainLetters);
  ShowSpreadsheet(context, *sheet, Oem("Übersicht.xlsx"));
}

}  // namespace kalo
