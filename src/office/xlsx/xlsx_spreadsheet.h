#pragma once
// The spreadsheet program of a Linux desktop: workbooks are saved as .xlsx files in the
// run's scratch folder and opened with the spreadsheet program found on the PATH
// (LibreOffice Calc, else the desktop's opener for the file type).
#include <memory>
#include <string>
#include <vector>

#include "platform/spreadsheet.h"

namespace kalo {

struct Context;

// The command that opens a workbook file given after it: {"localc"}, {"libreoffice",
// "--calc"}, {"soffice", "--calc"} or {"xdg-open"}, the first found on the PATH; empty when
// there is none.
std::vector<std::string> SpreadsheetCommand(const Context& context);

class XlsxSpreadsheets : public SpreadsheetProgram {
 public:
  explicit XlsxSpreadsheets(Context& context) : context_(context) {}
  std::unique_ptr<Spreadsheet> CreateObject() override;

 private:
  Context& context_;
  int workbooksNamed_ = 0;  // "Mappe1.xlsx", "Mappe2.xlsx", … across all objects
};

}  // namespace kalo
