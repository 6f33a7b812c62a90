#include "office/spreadsheet_start.h"

#include <fstream>
#include <iterator>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "output/output_targets.h"
#include "platform/file_replace.h"
#include "platform/paths.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

// The spreadsheet program did not take the workbook, which lies in the run's scratch folder
// that goes when the program ends: the user may keep it where he chooses.
void OfferToKeep(Context& context, const Spreadsheet& sheet, const std::string& suggestedName) {
  std::ifstream saved(NativePath(sheet.WorkbookPath()), std::ios::binary);
  if (!saved) return;
  std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  std::string path = suggestedName;
  if (!context.ui.AskSaveFileName(context.state.dataDirectory, "*.xlsx|*.xlsx|*.*|*.*", path) ||
      TrimBlanks(path).empty())
    return;
  path = TrimBlanks(path);
  if (int failure = ReplaceFile(path, bytes); failure != 0) WriteFailed(context, path, WriteErrorText(failure));
}

}  // namespace

std::unique_ptr<Spreadsheet> StartSpreadsheet(Context& context, const std::string& failureMessage) {
  std::unique_ptr<Spreadsheet> sheet;
  if (context.spreadsheets) sheet = context.spreadsheets->CreateObject();
  if (!sheet) {
    ErrorBox(context, failureMessage);
    context.state.cancel = true;
    return nullptr;
  }
  sheet->SetVisible(true);
  sheet->AddWorkbook();
  return sheet;
}

Outcome ShowSpreadsheet(Context& context, Spreadsheet& sheet, const std::string& suggestedName) {
  Outcome shown = sheet.Show();
  if (shown) return shown;
  Refuse(context, shown.Message());
  OfferToKeep(context, sheet, suggestedName);
  return shown;
}

}  // namespace kalo
