#include "app/data_file_overview.h"

#include "app/main_menu_state.h"
#include "app/save_query.h"
#include "app/undo_commands.h"
#include "app/view_commands.h"
#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "graphics/screen_plotter.h"
#include "office/overview_export.h"
#include "platform/paths.h"

namespace kalo {

DataFileOverviewForm::DataFileOverviewForm(Context& context)
    : caption(std::string(kProgramName) + "  " + context.state.dataDirectory), context_(context) {}

const std::string& DataFileOverviewForm::Cell(int row, int column) const {
  static const std::string kNone;
  if (column < 0 || column >= kTableColumns || row < 0 || row >= RowCount()) return kNone;
  const TableRow& texts = row == 0 ? table.header : table.rows[static_cast<size_t>(row - 1)];
  return texts[static_cast<size_t>(column)];
}

void DataFileOverviewForm::ColumnTitleClick(int column) { table.SortByColumn(column); }

bool DataFileOverviewForm::CellClick(int row) {
  if (row < 1 || row >= RowCount()) return false;
  // The row is remembered by its file, so that sorting never makes another file look
  // like the one opened last.
  const std::string& file = Cell(row, kColumnFile);
  if (file == chosenFile_) return false;
  chosenFile_ = file;
  context_.state.cancel = false;
  return true;
}

void DataFileOverviewForm::mi_exportExcelClick() { ExportOverview(context_, table); }

void FileOpenTable(Context& context) {
  ProgramState& state = context.state;
  if (!SaveQuery(context)) return;
  state.currentFileName.clear();
  if (context.screenPlotter) context.screenPlotter->Clear();
  DataFileOverviewForm form(context);
  ScanDataFiles(context, form.table);
  StartUndoHistory(context, true);
  context.ui.SetMainCaption(MainWindowCaption(context));
  // Until the user leaves the grid or a chosen file cannot be read.
  while (context.ui.ShowDataFileTable(form)) {
    if (!ReadDataFile(context, WithSeparator(state.dataDirectory) + form.ChosenFile())) return;
    state.modified = false;
    StartUndoHistory(context, true);
    RefreshView(context);
    context.ui.SetMainCaption(MainWindowCaption(context));
  }
  state.cancel = true;
}

}  // namespace kalo
