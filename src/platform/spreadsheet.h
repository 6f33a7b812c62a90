#pragma once
// The spreadsheet program as the core drives it: automation objects that are made
// visible, get workbooks, open text files as workbooks and have cells set. Cell texts are
// UTF-8, as the spreadsheet shows them; the reasons of failures are code page 850, as the
// program's messages. Rows and columns count from 1.
#include <memory>
#include <string>
#include <vector>

#include "messages/outcome.h"

namespace kalo {

class Spreadsheet {
 public:
  virtual ~Spreadsheet() = default;

  virtual void SetVisible(bool visible) = 0;
  // A new, empty workbook; the cells set from now on go into it.
  virtual void AddWorkbook() = 0;
  // A new workbook made of a text file: one row per line, tab-separated fields in columns.
  // A failure names the reason when the file cannot be read.
  [[nodiscard]] virtual Outcome OpenText(const std::string& path) = 0;
  virtual void SetCell(int row, int column, const std::string& text) = 0;
  // A number cell with the value in full precision, shown in the number format given in
  // the spreadsheet's own notation ("0.000", "0.000E+00").
  virtual void SetNumber(int row, int column, long double value, const std::string& numberFormat) = 0;
  // Empties every cell of the current workbook.
  virtual void ClearCells() = 0;
  // Hands the workbooks changed since the last call to the spreadsheet program (saved and
  // opened when the object is visible). A failure names the reason.
  [[nodiscard]] virtual Outcome Show() = 0;
  // The texts of one column of the first workbook as the spreadsheet program saved it last,
  // from row 1 to the last row that holds anything (empty cells give empty texts). A failure
  // names the reason the workbook cannot be read.
  [[nodiscard]] virtual Outcome ReadColumn(int column, std::vector<std::string>& texts) = 0;
  // Where the first workbook is kept (empty before it was saved).
  virtual std::string WorkbookPath() const = 0;
};

class SpreadsheetProgram {
 public:
  virtual ~SpreadsheetProgram() = default;
  // A new automation object; none when no spreadsheet program can be started.
  virtual std::unique_ptr<Spreadsheet> CreateObject() = 0;
};

}  // namespace kalo
