#include "app/ole_commands.h"

#include "app/save_query.h"
#include "app/undo_commands.h"
#include "app/view_commands.h"
#include "context/context.h"
#include "datafile/data_file_writer.h"
#include "dialogs/message_boxes.h"
#include "help/message_summary.h"
#include "office/data_file_sheet.h"
#include "office/spreadsheet_start.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "report/result_report.h"

namespace kalo {
namespace {

const char* const kCannotStart = "Excel kann nicht gestartet werden";

// The report through the spreadsheet text target, whatever the text output settings say;
// the settings are the same afterwards. The path of the text file, empty when none was
// written.
std::string ReportAsSpreadsheetText(Context& context) {
  Configuration& config = context.config;
  TextTarget device = config.textDevice;
  bool ask = config.askTextDevice;
  config.textDevice = kTargetSpreadsheet;
  config.askTextDevice = false;
  bool written = Report(context, kReportStandard);
  config.textDevice = device;
  config.askTextDevice = ask;
  if (!written) return "";
  return ScratchFile(context, "$$" + std::to_string(context.textChannel.fileCounter) + ".txt");
}

}  // namespace

void OleStartExcel(Context& context) {
  ProgramState& state = context.state;
  if (state.currentFileName.empty()) {
    InfoBox(context, Oem("Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei->Speichern\")"));
    state.cancel = true;
    return;
  }
  context.ui.SetWaitCursor(true);
  std::shared_ptr<Spreadsheet> sheet = StartSpreadsheet(context, kCannotStart);
  bool written = sheet && WriteDataFileIntoSheet(context, *sheet);
  context.ui.SetWaitCursor(false);
  if (written) context.dataFileSheet = sheet;
}

void OleExport(Context& context) {
  ProgramState& state = context.state;
  if (!context.dataFileSheet) return;
  if (state.modified) {
    if (!WriteDataFile(context, state.currentFileName, true)) return;
    state.modified = false;
    MarkSaved(context);
  }
  WriteDataFileIntoSheet(context, *context.dataFileSheet);
}

void OleImport(Context& context) {
  ProgramState& state = context.state;
  if (!context.dataFileSheet) return;
  if (!SaveQuery(context) || !ReadDataFileFromSheet(context, *context.dataFileSheet)) return;
  // The body now holds what the spreadsheet holds, which the data file does not yet.
  state.modified = true;
  RefreshView(context);
}

void OlePrintout(Context& context) {
  if (!context.messages.Empty()) {
    ShowMessageSummary(context);
    return;
  }
  std::unique_ptr<Spreadsheet> sheet = StartSpreadsheet(context, kCannotStart);
  if (!sheet) return;
  std::string path = ReportAsSpreadsheetText(context);
  if (path.empty()) return;
  sheet->AddWorkbook();
  if (Outcome opened = sheet->OpenText(path); !opened) {
    ErrorBox(context, "Tabelle nicht lesbar: " + opened.Message());
    context.state.cancel = true;
    return;
  }
  ShowSpreadsheet(context, *sheet, "Ergebnisse.xlsx");
}

bool SpreadsheetLinked(const Context& context) { return context.dataFileSheet != nullptr; }

}  // namespace kalo
