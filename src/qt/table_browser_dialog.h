#pragma once
// The window of the table browser: the table in a grid, the navigator, the search
// buttons and the menus. Everything it shows comes from the form model, every click and
// cell edit goes to it.
#include <QAbstractTableModel>
#include <QDialog>

#include "dbase/table_browser_form.h"

class QLabel;
class QMenuBar;
class QTableView;
class QToolButton;

namespace kalo {

// The form's grid for a QTableView: rows are the records shown, columns the fields.
class TableBrowserModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  TableBrowserModel(TableBrowserForm& form, bool plainLetters, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  // The table changed: everything is read again.
  void Reload();

 private:
  TableBrowserForm& form_;
  bool plainLetters_;
};

class TableBrowserDialog : public QDialog {
  Q_OBJECT

 public:
  TableBrowserDialog(TableBrowserForm& form, bool plainLetters, QWidget* parent = nullptr);

  void accept() override;
  void reject() override;

 private:
  void BuildMenus(QMenuBar* bar);
  QWidget* BuildNavigator();
  // The form's action, then the grid, the current cell and the labels shown again.
  void Run(void (TableBrowserForm::*action)());
  // The grid read again, the current cell and the labels shown.
  void Reload();
  void ShowForm();

  TableBrowserForm& form_;
  bool plainLetters_;
  TableBrowserModel* model_;
  QTableView* grid_;
  QLabel* labelRecord_;
  QLabel* labelFile_;
  bool showing_ = false;
};

}  // namespace kalo
