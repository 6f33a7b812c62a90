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

Tdbf4::Tdbf4(Context& context, DbfTable& table)
    : mi_packHint(Oem("Markierte Datensätze löschen")), context_(context), table_(table) {}

void Tdbf4::TakeMenuCaptions() {
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

void Tdbf4::SetTitles(const std::string& title1, const std::string& title2) {
  title1_ = title1;
  title2_ = title2;
  mi_structure = title2;
}

bool Tdbf4::ShowTable(int mode) {
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
  Label_file = table_.FileName();
  Show();
  bool confirmed = context_.ui.ShowTableBrowser(*this) && Button_okClick();
  if (!confirmed) table_.Cancel();
  context_.state.cancel = !confirmed;
  return confirmed;
}

void Tdbf4::Show() {
  Label_record = std::to_string(table_.RecNo()) + "/" + std::to_string(table_.RecordCount());
}

bool Tdbf4::Checked(bool succeeded) {
  if (!succeeded) ErrorBox(context_, table_.ErrorText());
  Show();
  return succeeded;
}

// The grid --------------------------------------------------------------------------------

int Tdbf4::RowCount() const { return table_.ViewCount(); }

int Tdbf4::ColumnCount() const { return table_.FieldCount(); }

std::string Tdbf4::ColumnTitle(int column) const { return table_.FieldName(column); }

int Tdbf4::ColumnWidth(int column) const { return table_.FieldWidth(column); }

std::string Tdbf4::Cell(int row, int column) const {
  int record = table_.ViewRecord(row);
  return record == 0 ? std::string() : table_.RecordFieldText(record, column);
}

bool Tdbf4::RowDeleted(int row) const {
  int record = table_.ViewRecord(row);
  return record != 0 && table_.RecordDeleted(record);
}

int Tdbf4::CurrentRow() const { return table_.ViewPosition(); }

bool Tdbf4::GoToRow(int row) {
  int record = table_.ViewRecord(row);
  if (record == 0) return false;
  return record == table_.RecNo() || Checked(table_.Go(record));
}

void Tdbf4::CellClick(int row, int column) {
  GoToRow(row);
  if (column >= 1 && column <= ColumnCount()) currentColumn_ = column;
  Show();
}

bool Tdbf4::CellEdited(int row, int column, const std::string& text) {
  if (!Editable() || !GoToRow(row)) return false;
  currentColumn_ = column;
  return Checked(table_.SetFieldText(column, text));
}

void Tdbf4::TitleClick(int column) {
  int record = table_.RecNo();
  if (!Checked(table_.CreateIndex(column))) return;
  if (record != 0) table_.Go(record);
  Show();
}

// Buttons ---------------------------------------------------------------------------------

bool Tdbf4::Button_okClick() {
  if (!Checked(table_.Post())) return false;
  recordNumber_ = table_.RecNo();
  return true;
}

void Tdbf4::Button_cancelClick() { table_.Cancel(); }

void Tdbf4::Search(bool fromNext) {
  context_.ui.SetWaitCursor(true);
  bool found = table_.Search(searchText_, fromNext);
  context_.ui.SetWaitCursor(false);
  if (!found) InfoBox(context_, searchText_ + " " + "nicht gefunden");
  Show();
}

void Tdbf4::Button_searchClick() {
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

void Tdbf4::Button_searchNextClick() { Search(true); }

void Tdbf4::FirstClick() {
  table_.First();
  Show();
}

void Tdbf4::PriorClick() {
  table_.Prior();
  Show();
}

void Tdbf4::NextClick() {
  table_.Next();
  Show();
}

void Tdbf4::LastClick() {
  table_.Last();
  Show();
}

void Tdbf4::InsertClick() {
  if (Editable()) Checked(table_.Append());
}

void Tdbf4::DeleteClick() {
  if (Editable() && table_.RecNo() != 0) Checked(table_.Delete());
}

void Tdbf4::PostClick() { Checked(table_.Post()); }

void Tdbf4::CancelClick() {
  table_.Cancel();
  Show();
}

// Menus -----------------------------------------------------------------------------------

void Tdbf4::mi_printClick() {
  context_.state.cancel = false;
  if (!Checked(table_.Post())) return;
  PrintTable(context_, table_, caption, title1_);
}

void Tdbf4::mi_appendClick() { InsertClick(); }

void Tdbf4::mi_packClick() {
  if (Editable()) Checked(table_.Pack());
}

void Tdbf4::mi_structureClick() { ShowHelp(context_, 0, 1); }

void Tdbf4::mi_databaseClick() { ShowHelp(context_, kDatabaseHelpNumber, 1); }

void Tdbf4::mi_helpPictureClick() { ShowHelp(context_, 0, 2); }

void Tdbf4::mi_fileClick() { InfoBox(context_, table_.FileName()); }

}  // namespace kalo
