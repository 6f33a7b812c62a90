#include "office/xlsx/xlsx_writer.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/file_replace.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

// One format of the workbook per number format, made when a cell first asks for it.
class NumberFormats {
 public:
  explicit NumberFormats(lxw_workbook* workbook) : workbook_(workbook) {}
  lxw_format* For(const std::string& numberFormat) {
    if (numberFormat.empty()) return nullptr;
    lxw_format*& format = formats_[numberFormat];
    if (!format) {
      format = workbook_add_format(workbook_);
      if (format) format_set_num_format(format, numberFormat.c_str());
    }
    return format;
  }

 private:
  lxw_workbook* workbook_;
  std::map<std::string, lxw_format*> formats_;
};

lxw_error WriteCells(lxw_workbook* workbook, lxw_worksheet* sheet, const WorkbookCells& cells) {
  NumberFormats formats(workbook);
  for (const auto& [position, cell] : cells) {
    auto [row, column] = position;
    if (row < 1 || column < 1 || row > LXW_ROW_MAX || column > LXW_COL_MAX || cell.text.empty()) continue;
    auto r = static_cast<lxw_row_t>(row - 1);
    auto c = static_cast<lxw_col_t>(column - 1);
    lxw_error result = cell.number ? worksheet_write_number(sheet, r, c, std::strtod(cell.text.c_str(), nullptr),
                                                            formats.For(cell.numberFormat))
                                   : worksheet_write_string(sheet, r, c, cell.text.c_str(), nullptr);
    if (result != LXW_NO_ERROR) return result;
  }
  return LXW_NO_ERROR;
}

}  // namespace

Outcome WriteWorkbook(const std::string& path, const WorkbookCells& cells, const std::string& scratchDirectory) {
  std::string temporary = ReserveNameBeside(path);
  std::vector<char> tmpdir(scratchDirectory.begin(), scratchDirectory.end());
  tmpdir.push_back('\0');
  lxw_workbook_options options{};
  options.tmpdir = scratchDirectory.empty() ? nullptr : tmpdir.data();
  lxw_workbook* workbook = workbook_new_opt(NativePath(temporary).c_str(), &options);
  if (!workbook) {
    RemoveFile(temporary);
    return Outcome::Failure("Arbeitsmappe kann nicht angelegt werden");
  }
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  lxw_error result = sheet ? WriteCells(workbook, sheet, cells) : LXW_ERROR_MEMORY_MALLOC_FAILED;
  lxw_error closed = workbook_close(workbook);
  if (result == LXW_NO_ERROR) result = closed;
  if (result != LXW_NO_ERROR) {
    RemoveFile(temporary);
    return Outcome::Failure(lxw_strerror(result));
  }
  if (std::rename(NativePath(temporary).c_str(), NativePath(path).c_str()) != 0) {
    std::string cause = WriteErrorText(errno);
    RemoveFile(temporary);
    return Outcome::Failure(cause);
  }
  return Outcome::Done();
}

}  // namespace kalo
