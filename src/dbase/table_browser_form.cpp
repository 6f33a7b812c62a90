#include "dbase/table_browser_form.h"

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "dbase/table_printout.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "lang/caption_vocabulary.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

bool LiesIn(const std::string& path, const std::string& directory) {
  return !directory.empty() && path.compare(0, directory.size(), directory) == 0;
}

}  // namespace

TableBrowserForm::TableBrowserForm(Context& context, DbfTable& table)
    : mi_packHint(Oem("Markierte Datensätze löschen")), context_(context), table_(table) {}

void TableBrowserForm::TakeMenuCaptions() {
  using G = GeneralCaption;
  CaptionVocabulary vocabulary;
  vocabulary.SetLanguage(context_.config.language);
  mi_file = vocabulary.Text(G::File);
  mi_print = vocabulary.Text(G::Print);
  mi_exit = vocabulary.Text(G::Exit);
  mi_edit = vocabulary.Text(G::Edit);
  mi_view = vocabulary.Text(G::View);
  mi_help = vocabulary.Text(G::Help);
  mi_database = vocabulary.Text(G::Database);
  mi_helpPicture = vocabulary.Text(G::HelpPicture);
}

void TableBrowserForm::SetTitles(const std::string& title1, const std::string& title2) {
  title1_ = title1;
  title2_ = title2;
  mi_structure = title2;
}

bool TableBrowserForm::ShowTable(int mode) {
  mode_ = mode == kSelectionMode ? kSelectionMode : kEditingMode;
  TakeMenuCaptions();
  table_.SetHideDeleted(SelectionMode());
  if (SelectionMode()) {
    caption = title2_ + "   " + title1_;
  } else {
    caption = title2_ + "  " + title1_ + "  (" + table_.FileName() + ")";
    if (LiesIn(table_.FileName(), TemporaryDirectory(context_))) {
      InfoBox(context_, Oem("Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."));
    }
  }
  fileCaption = table_.FileName();
  Show();
  bool confirmed = context_.ui.ShowTableBrowser(*this) && OkClick();
  if (!confirmed) table_.Cancel();
  context_.state.cancel = !confirmed;
  return confirmed;
}

void TableBrowserForm::Show() {
  recordCaption = std::to_string(table_.RecNo()) + "/" + std::to_string(table_.RecordCount());
}

bool TableBrowserForm::Checked(bool succeeded) {
  if (!succeeded) ErrorBox(context_, table_.ErrorText());
  Show();
  return succeeded;
}

// The grid --------------------------------------------------------------------------------

int TableBrowserForm::RowCount() const { return table_.ViewCount(); }

int TableBrowserForm::ColumnCount() const { return table_.FieldCount(); }

std::string TableBrowserForm::ColumnTitle(int column) const { return table_.FieldName(column); }

int TableBrowserForm::ColumnWidth(int column) const { return table_.FieldWidth(column); }

std::string TableBrowserForm::Cell(int row, int column) const {
  int record = table_.ViewRecord(row);
  return record == 0 ? std::string() : table_.RecordFieldText(record, column);
}

bool TableBrowserForm::RowDeleted(int row) const {
  int record = table_.ViewRecord(row);
  return record != 0 && table_.RecordDeleted(record);
}

int TableBrowserForm::CurrentRow() const { return table_.ViewPosition(); }

bool TableBrowserForm::GoToRow(int row) {
  int record = table_.ViewRecord(row);
  if (record == 0) return false;
  return record == table_.RecNo() || Checked(table_.Go(record));
}

void TableBrowserForm::CellClick(int row, int column) {
  GoToRow(row);
  if (column >= 1 && column <= ColumnCount()) currentColumn_ = column;
  Show();
}

bool TableBrowserForm::CellEdited(int row, int column, const std::string& text) {
  if (!Editable() || !GoToRow(row)) return false;
  currentColumn_ = column;
  return Checked(table_.SetFieldText(column, text));
}

void TableBrowserForm::TitleClick(int column) {
  int record = table_.RecNo();
  if (!Checked(table_.CreateIndex(column))) return;
  if (record != 0) table_.Go(record);
  Show();
}

// Buttons ---------------------------------------------------------------------------------

bool TableBrowserForm::OkClick() {
  if (!Checked(table_.Post())) return false;
  recordNumber_ = table_.RecNo();
  return true;
}

void TableBrowserForm::CancelButtonClick() { table_.Cancel(); }

void TableBrowserForm::Search(bool fromNext) {
  context_.ui.SetWaitCursor(true);
  bool found = table_.Search(searchText_, fromNext);
  context_.ui.SetWaitCursor(false);
  if (!found) InfoBox(context_, searchText_ + " " + "nicht gefunden");
  Show();
}

void TableBrowserForm::SearchClick() {
  int helpNumber = context_.state.helpNumber;
  SetHelpNumber(context_, kSearchHelpNumber);
  std::string text = searchText_;
  bool asked = AskText(context_, "Suchbegriff eingeben", kSearchLength, text);
  SetHelpNumber(context_, helpNumber);
  context_.state.cancel = false;
  if (!asked) return;
  searchText_ = text;
  Search(false);
}

void TableBrowserForm::SearchNextClick() { Search(true); }

void TableBrowserForm::FirstClick() {
  table_.First();
  Show();
}

void TableBrowserForm::PriorClick() {
  table_.Prior();
  Show();
}

void TableBrowserForm::NextClick() {
  table_.Next();
  Show();
}

void TableBrowserForm::LastClick() {
  table_.Last();
  Show();
}

void TableBrowserForm::InsertClick() {
  if (Editable()) Checked(table_.Append());
}

void TableBrowserForm::DeleteClick() {
  if (Editable() && table_.RecNo() != 0) Checked(table_.Delete());
}

void TableBrowserForm::PostClick() { Checked(table_.Post()); }

void TableBrowserForm::CancelClick() {
  table_.Cancel();
  Show();
}

// Menus -----------------------------------------------------------------------------------

void TableBrowserForm::mi_printClick() {
  context_.state.cancel = false;
  if (!Checked(table_.Post())) return;
  PrintTable(context_, table_, caption, title1_);
}

void TableBrowserForm::mi_appendClick() { InsertClick(); }

void TableBrowserForm::mi_packClick() {
  if (Editable()) Checked(table_.Pack());
}

void TableBrowserForm::mi_structureClick() { ShowHelp(context_, 0, 1); }

void TableBrowserForm::mi_databaseClick() { ShowHelp(context_, kDatabaseHelpNumber, 1); }

void TableBrowserForm::mi_helpPictureClick() { ShowHelp(context_, 0, 2); }

void TableBrowserForm::mi_fileClick() { InfoBox(context_, table_.FileName()); }

}  // namespace kalo
