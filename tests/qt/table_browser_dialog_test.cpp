// The table browser's window on the offscreen platform: it shows the form's records, its
// clicks reach the form, and OK hands back the record that was current.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "dbase/dbf_table.h"
#include "dbase/dbf_test_tables.h"
#include "dbase/table_browser_form.h"
#include "qt/table_browser_dialog.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class TableBrowserDialogTest : public ::testing::Test {
 protected:
  TableBrowserDialogTest() {
    t.context.config.tempDirectory = dir.File("temp");
    std::string path = dir.File("wst.dbf");
    testing::WriteBytes(path, testing::BuildDbf({{"NAME", 'C', 10}, {"DICHTE", 'N', 6, 2}},
                                                {{"Stahl", "7.85"}, {"*", "Alt", "1"}, {"Messing", "8.4"}, {"Blei", "11.3"}}));
    EXPECT_TRUE(table.Open(path));
    form.SetTitles("Werkstoff-Basisdaten", "");
  }

  template <typename Widget>
  static Widget* Find(QDialog& dialog, const char* name) {
    Widget* widget = dialog.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  testing::TempDir dir;
  testing::TestContext t;
  DbfTable table;
  TableBrowserForm form{t.context, table};
};

TEST_F(TableBrowserDialogTest, ShowsTheRecordsAndOkReturnsTheClickedOne) {
  bool shown = false;
  t.ui.onTableBrowser = [&](TableBrowserForm& model) {
    TableBrowserDialog dialog(model, false);
    auto* grid = Find<QTableView>(dialog, "DBGrid1");
    QAbstractItemModel* cells = grid->model();
    EXPECT_EQ(cells->rowCount(), 3);  // the deleted record is hidden
    EXPECT_EQ(cells->columnCount(), 2);
    EXPECT_EQ(cells->headerData(1, Qt::Horizontal).toString(), "DICHTE");
    EXPECT_EQ(cells->index(1, 0).data().toString(), "Messing");
    EXPECT_FALSE(cells->flags(cells->index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(Find<QToolButton>(dialog, "nbInsert")->isVisibleTo(&dialog));
    EXPECT_FALSE(Find<QMenu>(dialog, "mi_edit")->menuAction()->isVisible());

    grid->setCurrentIndex(cells->index(2, 1));
    EXPECT_EQ(Find<QLabel>(dialog, "Label_record")->text(), "4/4");
    grid->horizontalHeader()->sectionClicked(1);  // by density: Messing, Stahl, Blei
    EXPECT_EQ(cells->index(0, 0).data().toString(), "Stahl");
    EXPECT_EQ(grid->currentIndex().row(), 2);
    grid->setCurrentIndex(cells->index(1, 0));
    Find<QPushButton>(dialog, "Button_ok")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    shown = true;
    return dialog.result() == QDialog::Accepted;
  };
  EXPECT_TRUE(form.ShowTable(TableBrowserForm::kSelectionMode));
  EXPECT_TRUE(shown);
  EXPECT_EQ(form.RecordNumber(), 3);
}

TEST_F(TableBrowserDialogTest, EditedCellsReachTheTableInEditingMode) {
  t.ui.onTableBrowser = [&](TableBrowserForm& model) {
    TableBrowserDialog dialog(model, false);
    auto* grid = Find<QTableView>(dialog, "DBGrid1");
    QAbstractItemModel* cells = grid->model();
    EXPECT_EQ(cells->rowCount(), 4);
    EXPECT_EQ(cells->headerData(1, Qt::Vertical).toString(), "*");
    EXPECT_TRUE(cells->setData(cells->index(0, 1), "7,9"));
    EXPECT_FALSE(cells->setData(cells->index(0, 1), "viel"));
    Find<QPushButton>(dialog, "Button_cancel")->click();
    return dialog.result() == QDialog::Accepted;
  };
  EXPECT_FALSE(form.ShowTable(TableBrowserForm::kEditingMode));
  ASSERT_EQ(t.ui.messages.size(), 1u);
  table.Go(1);
  EXPECT_EQ(table.FieldText(2), "7.85");  // cancelled before the edit was posted
}

}  // namespace
}  // namespace kalo
