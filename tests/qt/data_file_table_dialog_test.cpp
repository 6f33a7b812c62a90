#include "qt/data_file_table_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>

#include "platform/codepage.h"
#include "qt/escape_watch.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class DataFileTableDialogTest : public ::testing::Test {
 protected:
  DataFileTableDialogTest() {
    form.table.rows.push_back({"b.kal", "2026/12/01", Oem("Welle Ø40"), "W-1", "4", "    2000.0", "  7.80", "    125664",
                               "    0.980", "   0.00020"});
    form.table.rows.push_back(DamagedRow("a.kal", "2026/12/02"));
  }

  testing::TestContext test;
  DataFileOverviewForm form{test.context};
};

TEST_F(DataFileTableDialogTest, ShowsTheRowsSortsByTitleAndOpensAClickedRow) {
  DataFileTableDialog dialog(form, false);
  auto* grid = dialog.findChild<QTableWidget*>("Grid");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Date  y/m/d");
  EXPECT_EQ(grid->columnWidth(2), 90);
  EXPECT_EQ(grid->item(0, 2)->text(), QString::fromUtf8("Welle Ø40"));
  EXPECT_EQ(grid->item(1, 2)->foreground().color(), QColor(Qt::red));

  Q_EMIT grid->horizontalHeader()->sectionClicked(0);
  EXPECT_EQ(grid->item(0, 0)->text(), "a.kal");
  EXPECT_EQ(grid->rowCount(), 2);

  Q_EMIT grid->cellClicked(1, 3);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(form.ChosenFile(), "b.kal");

  // Shown again: the file open now does not close the window, another row does.
  DataFileTableDialog again(form, false);
  auto* grid2 = again.findChild<QTableWidget*>("Grid");
  Q_EMIT grid2->cellClicked(1, 0);
  EXPECT_EQ(again.result(), QDialog::Rejected);
  Q_EMIT grid2->cellClicked(0, 0);
  EXPECT_EQ(again.result(), QDialog::Accepted);
  EXPECT_EQ(form.ChosenFile(), "a.kal");
}

TEST(EscapeWatch, EscStopsAndOtherInputIsDropped) {
  QPushButton button("Exit");
  int clicked = 0;
  QObject::connect(&button, &QPushButton::clicked, [&clicked] { ++clicked; });
  button.show();
  QApplication::postEvent(&button, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
  QApplication::postEvent(&button, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
  EXPECT_FALSE(EscapeWatch::EscapePressed());
  EXPECT_EQ(clicked, 0);
  QApplication::postEvent(&button, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_TRUE(EscapeWatch::EscapePressed());
  EXPECT_FALSE(EscapeWatch::EscapePressed());
}

}  // namespace
}  // namespace kalo
