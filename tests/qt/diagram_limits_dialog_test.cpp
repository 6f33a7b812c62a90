#include "qt/diagram_limits_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/codepage.h"

namespace kalo {
namespace {

QLineEdit* Edit(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

TEST(DiagramLimitsDialog, CalculateBringsBackTheAutomaticLimitsAndOkTakesTypedOnes) {
  DiagramLimitsForm form({0, 0, 1, 1}, {-10, -5, 50, 25}, NumberFormat{});
  form.xCaption = Oem("Länge [mm]");
  form.yCaption = "Radius [mm]";
  int helpShown = 0;
  DiagramLimitsDialog dialog(form, false, [&] { ++helpShown; });

  EXPECT_EQ(dialog.findChild<QLabel*>("Label_x")->text(), QString::fromUtf8("Länge [mm]"));
  EXPECT_EQ(Edit(dialog, "Edit_xmax")->text(), "1");
  dialog.findChild<QPushButton*>("Button_calc")->click();
  EXPECT_EQ(Edit(dialog, "Edit_xmin")->text(), "-10");
  EXPECT_EQ(Edit(dialog, "Edit_ymax")->text(), "25");
  dialog.findChild<QPushButton*>("Button_help")->click();
  EXPECT_EQ(helpShown, 1);

  Edit(dialog, "Edit_xmin")->setText("");
  QTest::keyClicks(Edit(dialog, "Edit_xmin"), "1,5");
  Edit(dialog, "Edit_ymax")->setText("abc");
  dialog.findChild<QPushButton*>("Button_ok")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(form.Confirmed().xmin, 1.5L);
  EXPECT_EQ(form.Confirmed().ymin, -5.0L);
  EXPECT_EQ(form.Confirmed().xmax, 50.0L);
  EXPECT_EQ(form.Confirmed().ymax, 0.0L);  // not a number
}

TEST(DiagramLimitsDialog, CancelKeepsTheStoredLimits) {
  DiagramLimitsForm form({1, 2, 3, 4}, {0, 0, 9, 9}, NumberFormat{});
  DiagramLimitsDialog dialog(form, false, {});
  EXPECT_FALSE(dialog.findChild<QPushButton*>("Button_help")->isEnabled());
  Edit(dialog, "Edit_xmin")->setText("7");
  dialog.findChild<QPushButton*>("Button_cancel")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(form.Confirmed().xmin, 1.0L);
}

}  // namespace
}  // namespace kalo
