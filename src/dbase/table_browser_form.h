#pragma once
// The table browser: an open table in a grid with a navigator, to pick a record
// (selection mode: first/prior/next/last only, read-only, deleted records hidden) or to
// browse and edit the table (editing mode). It exports the table as HTML or delimited
// text, appends records from other files, packs and prints the table. Fields are shown by
// position; texts are code page 850.
#include <string>

namespace kalo {

struct Context;
class DbfTable;

class TableBrowserForm {
 public:
  static constexpr int kEditingMode = 0;
  static constexpr int kSelectionMode = 1;
  static constexpr int kSearchHelpNumber = 2450;
  static constexpr int kDatabaseHelpNumber = 3210;
  static constexpr int kSearchLength = 50;

  TableBrowserForm(Context& context, DbfTable& table);

  // Title 1 and title 2; title 2 also captions the help item of the table structure.
  void SetTitles(const std::string& title1, const std::string& title2);
  // Shows the open table modally through the Ui. True with the cancel flag clear after OK,
  // false with the flag set after "Abbrechen".
  bool ShowTable(int mode);
  // The physical number of the record that was current at OK.
  int RecordNumber() const { return recordNumber_; }

  DbfTable& Table() { return table_; }
  const DbfTable& Table() const { return table_; }
  bool SelectionMode() const { return mode_ == kSelectionMode; }
  // The grid and every menu item that changes the table: editing mode only.
  bool Editable() const { return !SelectionMode(); }

  // What the window shows.
  std::string caption;
  std::string fileCaption;    // the table's file name
  std::string recordCaption;  // current record's view position "/" records shown
  std::string mi_structure;  // title 2
  std::string okCaption = "OK";
  std::string cancelCaption = "Abbrechen";
  std::string searchCaption = "&Suchen";
  std::string searchNextCaption = "&Weitersuchen";
  // Menu captions: those of the caption vocabulary in the configured language (UTF-8) ...
  std::string mi_file, mi_print, mi_exit, mi_edit, mi_view, mi_help, mi_database, mi_helpPicture;
  // ... and the table browser's own (code page 850).
  std::string mi_exportHtml = "Export HTML";
  std::string mi_saveDelimited = "Save As Delimited";
  std::string mi_appendDbf = "Append dbf";
  std::string mi_appendDelimited = "Append Delimited";
  std::string mi_append = "Append";
  std::string mi_pack = "Pack";
  std::string mi_packHint;  // "Markierte Datensätze löschen"
  std::string mi_fileName = "Datei";

  // The grid: rows are the records shown (1-based), columns the fields (1-based).
  int RowCount() const;
  int ColumnCount() const;
  std::string ColumnTitle(int column) const;
  int ColumnWidth(int column) const;
  std::string Cell(int row, int column) const;
  bool RowDeleted(int row) const;
  // The current record's row, 0 when there is none.
  int CurrentRow() const;
  int CurrentColumn() const { return currentColumn_; }

  // Actions.
  void CellClick(int row, int column);
  // An edited cell: the record becomes current and the field takes the text (posted when
  // another record becomes current, on OK or on "Post"). False with the message shown when
  // the text does not suit the field.
  bool CellEdited(int row, int column, const std::string& text);
  void TitleClick(int column);
  // OK: pending edits posted, the current record remembered; the window closes after true.
  bool OkClick();
  void CancelButtonClick();
  void SearchClick();
  void SearchNextClick();
  // Navigator.
  void FirstClick();
  void PriorClick();
  void NextClick();
  void LastClick();
  void InsertClick();  // an empty record appended and made current
  void DeleteClick();
  void PostClick();
  void CancelClick();
  // Menus.
  void mi_exportHtmlClick();
  void mi_saveDelimitedClick();
  void mi_appendDbfClick();
  void mi_appendDelimitedClick();
  void mi_printClick();
  void mi_appendClick();
  void mi_packClick();
  void mi_structureClick();
  void mi_databaseClick();
  void mi_helpPictureClick();
  void mi_fileClick();

 private:
  void TakeMenuCaptions();
  void Show();
  bool GoToRow(int row);
  // Shows the engine's error when an operation failed; true when it succeeded.
  bool Checked(bool succeeded);
  void Search(bool fromNext);

  Context& context_;
  DbfTable& table_;
  int mode_ = kEditingMode;
  std::string title1_;
  std::string title2_;
  std::string searchText_;
  int recordNumber_ = 0;
  int currentColumn_ = 1;
};

}  // namespace kalo
