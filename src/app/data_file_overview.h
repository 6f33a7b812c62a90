#pragma once
// File → Öffnen (Tabelle): the overview of every data file of the data directory in the
// grid window "TForm_preview", from which the user opens one file after the other.
#include <array>
#include <string>

#include "datafile/data_file_table.h"

namespace kalo {

struct Context;

class TForm_preview {
 public:
  explicit TForm_preview(Context& context);

  // Grid column widths in pixels; 0 leaves a column at the window's own width.
  static constexpr std::array<int, kTableColumns> kColumnWidths = {0, 0, 90, 90, 0, 60, 0, 70, 0, 70};

  std::string caption;  // the program name, two blanks and the data directory
  DataFileTable table;

  // Grid rows: 0 is the header, 1.. the data files.
  int RowCount() const { return static_cast<int>(table.rows.size()) + 1; }
  const std::string& Cell(int row, int column) const;
  // The data rows sorted by the column's text; the header stays on top.
  void ColumnTitleClick(int column);
  // A click on a data row: true when the window closes to open its file, false for the
  // file chosen last (it is not opened again) and for the header.
  bool CellClick(int row);
  // "Export Excel": the grid in a new spreadsheet.
  void mi_exportExcelClick();
  // The file of the row chosen last; empty before the first choice.
  const std::string& ChosenFile() const { return chosenFile_; }

 private:
  Context& context_;
  std::string chosenFile_;
};

// The overview: every data file read and calculated into a row, then the grid shown until
// the user leaves it; each row chosen becomes the current data file.
void FileOpenTable(Context& context);

}  // namespace kalo
