#include "office/data_file_sheet.h"

#include <memory>
#include <string>
#include <vector>

#include "calc/calculation.h"
#include "context/context.h"
#include "datafile/data_file_format.h"
#include "datafile/data_file_lines.h"
#include "datafile/data_file_reader.h"
#include "dialogs/message_boxes.h"
#include "office/spreadsheet_start.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/spreadsheet.h"
#include "platform/text_file.h"

namespace kalo {

Outcome WriteDataFileIntoSheet(Context& context, Spreadsheet& sheet) {
  const std::string& name = context.state.currentFileName;
  if (name.empty()) return Refuse(context, "File not found. Use \"File->Save\"");
  std::string path = DataFilePath(context.state, name);
  if (Outcome readable = CheckFileReadable(context, path); !readable) return readable;
  std::vector<std::string> lines;
  if (Outcome read = ReadTextLines(path, lines); !read)
    return Refuse(context, "Datei " + FileNameOf(path) + ": " + read.Message());
  bool plainLetters = context.Units().plainLetters;
  sheet.ClearCells();
  for (size_t n = 0; n < lines.size(); ++n)
    sheet.SetCell(static_cast<int>(n + 1), 1, DisplayUtf8(lines[n], plainLetters));
  return ShowSpreadsheet(context, sheet, FileNameOf(name) + ".xlsx");
}

Outcome ReadDataFileFromSheet(Context& context, Spreadsheet& sheet) {
  std::vector<std::string> cells;
  if (Outcome read = sheet.ReadColumn(1, cells); !read)
    return Refuse(context, "Tabelle nicht lesbar: " + read.Message());
  std::vector<std::string> lines;
  lines.reserve(cells.size());
  for (const std::string& cell : cells) lines.push_back(Utf8ToCp850(cell));
  // Read into a copy, so that a refused workbook leaves the current body as it was.
  auto body = std::make_unique<Body>(context.body);
  DataFileLines fileLines(lines);
  ReadDataFileContent(fileLines, *body);
  if (fileLines.Failed())
    return Refuse(context, "Tabelle ist keine KALO-Datendatei: " + sheet.WorkbookPath() + ", Zeile " +
                               std::to_string(fileLines.ErrorLine()) + ": " + fileLines.Error());
  context.body = std::move(*body);
  Calculate(context.body, context.config, context.messages);
  return Outcome::Done();
}

}  // namespace kalo
