#include "office/spreadsheet_start.h"

#include "context/context.h"
#include "help/message_boxes.h"

namespace kalo {

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

bool ShowSpreadsheet(Context& context, Spreadsheet& sheet) {
  std::string error;
  if (sheet.Show(error)) return true;
  ErrorBox(context, error);
  context.state.cancel = true;
  return false;
}

}  // namespace kalo
