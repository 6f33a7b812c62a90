#pragma once
// The data file overview window: one grid row per data file under the
// column titles, a click on a title sorts, a click on a row opens its file; its menu
// exports the grid to the spreadsheet or leaves the window.
#include <QDialog>

#include "app/data_file_overview.h"

class QTableWidget;

namespace kalo {

class DataFileTableDialog : public QDialog {
  Q_OBJECT

 public:
  DataFileTableDialog(DataFileOverviewForm& form, bool plainLetters, QWidget* parent = nullptr);

 private:
  void ShowRows();
  void CellClicked(int row);

  DataFileOverviewForm& form_;
  bool plainLetters_;
  QTableWidget* grid_;
};

}  // namespace kalo
