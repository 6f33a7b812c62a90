#pragma once
// A new spreadsheet object as every spreadsheet command begins: created, visible and with
// an empty workbook.
#include <memory>
#include <string>

#include "platform/spreadsheet.h"

namespace kalo {

struct Context;

// None, with failureMessage shown and the cancel flag set, when there is no spreadsheet
// program to start.
std::unique_ptr<Spreadsheet> StartSpreadsheet(Context& context, const std::string& failureMessage);
// Hands the object's workbooks to the spreadsheet program. A failure has its reason shown
// and the cancel flag set, and a saved workbook is then offered to keep, under
// suggestedName in the data folder unless the user chooses another.
Outcome ShowSpreadsheet(Context& context, Spreadsheet& sheet, const std::string& suggestedName);

}  // namespace kalo
