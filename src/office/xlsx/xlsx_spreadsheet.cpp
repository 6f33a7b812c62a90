#include "office/xlsx/xlsx_spreadsheet.h"

#include <cstdio>
#include <cstdlib>

#include "context/context.h"
#include "office/xlsx/workbook_cells.h"
#include "office/xlsx/xlsx_reader.h"
#include "office/xlsx/xlsx_writer.h"
#include "output/external_program.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

struct Workbook {
  WorkbookCells cells;
  std::string path;  // where it was saved; empty before
  bool changed = false;
};

// A field of a text file as the spreadsheet's text import takes it: a number (with "." or
// a single "," as decimal separator, as the report writes it) in the form strtod reads.
WorkbookCell Field(const std::string& text) {
  std::string number = text;
  if (number.find('.') == std::string::npos && number.find(',') == number.rfind(','))
    if (size_t comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  if (number.empty() || number.find_first_not_of("0123456789.-+eE ") != std::string::npos ||
      number.find_first_of("0123456789") == std::string::npos)
    return {text, false, ""};
  char* end = nullptr;
  std::strtod(number.c_str(), &end);
  while (*end == ' ') ++end;
  return *end == '\0' ? WorkbookCell{number, true, ""} : WorkbookCell{text, false, ""};
}

class XlsxSpreadsheet : public Spreadsheet {
 public:
  XlsxSpreadsheet(Context& context, std::vector<std::string> command, int& workbooksNamed)
      : context_(context), command_(std::move(command)), workbooksNamed_(workbooksNamed) {}

  void SetVisible(bool visible) override { visible_ = visible; }
  void AddWorkbook() override { workbooks_.emplace_back(); }

  Outcome OpenText(const std::string& path) override {
    std::vector<std::string> lines;
    if (Outcome read = ReadTextLines(path, lines); !read) return Outcome::Failure(path + ": " + read.Message());
    AddWorkbook();
    bool plainLetters = context_.Units().plainLetters;
    for (size_t row = 0; row < lines.size(); ++row) {
      std::string line = lines[row];
      int column = 1;
      for (size_t start = 0;; ++column) {
        size_t tab = line.find('\t', start);
        Set(static_cast<int>(row + 1), column, Field(DisplayUtf8(line.substr(start, tab - start), plainLetters)));
        if (tab == std::string::npos) break;
        start = tab + 1;
      }
    }
    return Outcome::Done();
  }

  void SetCell(int row, int column, const std::string& text) override { Set(row, column, {text, false, ""}); }

  void SetNumber(int row, int column, long double value, const std::string& numberFormat) override {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
    Set(row, column, {text, true, numberFormat});
  }

  void ClearCells() override {
    if (workbooks_.empty()) return;
    workbooks_.back().cells.clear();
    workbooks_.back().changed = true;
  }

  Outcome Show() override {
    for (Workbook& workbook : workbooks_) {
      if (!workbook.changed || workbook.cells.empty()) continue;
      if (Outcome saved = Save(workbook); !saved) return saved;
      if (visible_ && !Open(workbook.path)) {
        std::string message = "Excel kann nicht gestartet werden";
        if (command_.empty()) message += Oem(": kein Tabellenprogramm gefunden (localc, libreoffice, soffice, xdg-open)");
        return Outcome::Failure(message);
      }
    }
    return Outcome::Done();
  }

  Outcome ReadColumn(int column, std::vector<std::string>& texts) override {
    std::string path = WorkbookPath();
    if (path.empty()) return Outcome::Failure(Oem("die Arbeitsmappe wurde noch nicht gespeichert"));
    return ReadWorkbookColumn(path, column, texts);
  }

  std::string WorkbookPath() const override { return workbooks_.empty() ? "" : workbooks_.front().path; }

 private:
  void Set(int row, int column, WorkbookCell cell) {
    if (workbooks_.empty()) AddWorkbook();
    Workbook& workbook = workbooks_.back();
    if (cell.text.empty())
      workbook.cells.erase({row, column});
    else
      workbook.cells[{row, column}] = std::move(cell);
    workbook.changed = true;
  }

  Outcome Save(Workbook& workbook) {
    if (workbook.path.empty()) {
      workbook.path = ScratchFile(context_, "Mappe" + std::to_string(workbooksNamed_ + 1) + ".xlsx");
      if (workbook.path.empty()) return Outcome::Failure(Oem("Kein Ordner für temporäre Dateien verfügbar"));
      ++workbooksNamed_;
    }
    if (Outcome written = WriteWorkbook(workbook.path, workbook.cells, ScratchDirectory(context_)); !written)
      return Outcome::Failure("Fehler bei Zugriff auf Diskette/Platte " + workbook.path + ": " + written.Message());
    workbook.changed = false;
    return Outcome::Done();
  }

  bool Open(const std::string& path) {
    if (command_.empty()) return false;
    std::vector<std::string> arguments = command_;
    arguments.push_back(path);
    return context_.platform.StartProcess(arguments, false);
  }

  Context& context_;
  std::vector<std::string> command_;
  int& workbooksNamed_;
  bool visible_ = false;
  std::vector<Workbook> workbooks_;
};

}  // namespace

std::vector<std::string> SpreadsheetCommand(const Context& context) {
  const std::vector<std::vector<std::string>> commands = {
      {"localc"}, {"libreoffice", "--calc"}, {"soffice", "--calc"}, {"xdg-open"}};
  for (const auto& command : commands)
    if (ProgramExists(context, command.front())) return command;
  return {};
}

// Without a spreadsheet program the workbook is still written, so that it can be kept.
std::unique_ptr<Spreadsheet> XlsxSpreadsheets::CreateObject() {
  return std::make_unique<XlsxSpreadsheet>(context_, SpreadsheetCommand(context_), workbooksNamed_);
}

}  // namespace kalo
