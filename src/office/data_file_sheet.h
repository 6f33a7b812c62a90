#pragma once
// The current data file in a spreadsheet, one line per row in column A, and back.
#include "messages/outcome.h"

namespace kalo {

struct Context;
class Spreadsheet;

// Fills column A of the current workbook with the lines of the current data file as the
// window shows them (the cells set before are emptied) and hands the workbook over. Without
// a current file name, or when the file cannot be read, a failure after its message, and
// the cancel flag.
Outcome WriteDataFileIntoSheet(Context& context, Spreadsheet& sheet);

// Reads column A of the spreadsheet's saved workbook as the lines of a data file into a
// fresh body, which replaces the current one, calculated, only when the whole file was
// read. A workbook that cannot be read or is no data file: a failure after a message naming
// the workbook, the cancel flag, and the body as it was.
Outcome ReadDataFileFromSheet(Context& context, Spreadsheet& sheet);

}  // namespace kalo
