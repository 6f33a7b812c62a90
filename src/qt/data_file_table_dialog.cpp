#include "qt/data_file_table_dialog.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

DataFileTableDialog::DataFileTableDialog(DataFileOverviewForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent), form_(form), plainLetters_(plainLetters), grid_(new QTableWidget(this)) {
  setObjectName("DataFileOverviewForm");
  setWindowTitle(Shown(form.caption, plainLetters));
  auto* layout = new QVBoxLayout(this);
  auto* menu = new QMenuBar(this);
  QAction* exportExcel = menu->addAction("Export Excel");
  exportExcel->setObjectName("mi_exportExcel");
  connect(exportExcel, &QAction::triggered, this, [this] { form_.mi_exportExcelClick(); });
  QAction* exit = menu->addAction("Exit");
  exit->setObjectName("mi_exit");
  connect(exit, &QAction::triggered, this, &QDialog::reject);
  layout->setMenuBar(menu);

  grid_->setObjectName("Grid");
  grid_->setColumnCount(kTableColumns);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->verticalHeader()->setVisible(false);
  for (int column = 0; column < kTableColumns; ++column) {
    grid_->setHorizontalHeaderItem(column, new QTableWidgetItem(Shown(form.Cell(0, column), plainLetters)));
    if (int width = DataFileOverviewForm::kColumnWidths[static_cast<size_t>(column)]; width > 0)
      grid_->setColumnWidth(column, width);
  }
  connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
    form_.ColumnTitleClick(column);
    ShowRows();
  });
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { CellClicked(row); });
  layout->addWidget(grid_);
  resize(820, 420);
  ShowRows();
}

void DataFileTableDialog::ShowRows() {
  int rows = form_.RowCount() - 1;
  grid_->setRowCount(rows);
  const std::string damaged = DamagedFileMark();
  for (int row = 0; row < rows; ++row) {
    bool unreadable = form_.Cell(row + 1, kColumnName) == damaged;
    for (int column = 0; column < kTableColumns; ++column) {
      auto* item = new QTableWidgetItem(Shown(form_.Cell(row + 1, column), plainLetters_));
      // "n" and the results are right-aligned.
      if (column >= kFirstNumberColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (unreadable) item->setForeground(Qt::red);
      grid_->setItem(row, column, item);
    }
  }
}

void DataFileTableDialog::CellClicked(int row) {
  if (form_.CellClick(row + 1)) accept();
}

}  // namespace kalo
