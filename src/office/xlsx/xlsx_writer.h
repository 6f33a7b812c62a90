#pragma once
// Saves workbook cells as an Office Open XML workbook (.xlsx) with one sheet.
#include <string>

#include "messages/outcome.h"
#include "office/xlsx/workbook_cells.h"

namespace kalo {

// Written beside the target and renamed over it when complete, so the old workbook stays
// on any failure; the library's own scratch files go to scratchDirectory. A failure names
// the cause (code page 850).
[[nodiscard]] Outcome WriteWorkbook(const std::string& path, const WorkbookCells& cells, const std::string& scratchDirectory);

}  // namespace kalo
