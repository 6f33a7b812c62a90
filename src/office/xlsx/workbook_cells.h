#pragma once
// The cells of one workbook as they are kept until it is saved: texts (UTF-8) and numbers,
// by row and column from 1.
#include <map>
#include <string>
#include <utility>

namespace kalo {

struct WorkbookCell {
  std::string text;
  bool number = false;  // the text is a number the spreadsheet computes with
  std::string numberFormat;  // how the spreadsheet shows the number; empty: its general form
};

using WorkbookCells = std::map<std::pair<int, int>, WorkbookCell>;

}  // namespace kalo
