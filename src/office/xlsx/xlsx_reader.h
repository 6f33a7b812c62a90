#pragma once
// Reads the cells of one column of the first sheet of an Office Open XML workbook (.xlsx):
// shared strings, inline strings, formula results and numbers as the workbook stores them.
#include <string>
#include <vector>

#include "messages/outcome.h"

namespace kalo {

// Rows 1 to the last one with a value in the column; empty cells give empty texts (UTF-8).
// A failure names the cause (code page 850) when the file is no readable workbook.
[[nodiscard]] Outcome ReadWorkbookColumn(const std::string& path, int column, std::vector<std::string>& texts);

// The column of a cell reference such as "AB12" (28), 0 when it names none.
int ReferenceColumn(const std::string& reference);

}  // namespace kalo
