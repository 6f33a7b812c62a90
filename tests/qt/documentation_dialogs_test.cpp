// The documentation windows offscreen: what the user types and clicks reaches the form models.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "platform/codepage.h"
#include "qt/change_dialog.h"
#include "qt/document_setup_dialog.h"
#include "qt/drawing_info_dialog.h"
#include "support/test_context.h"

namespace kalo {
namespace {

TEST(DrawingInfoDialog, DateButtonsAndGridsReachTheForm) {
  DrawingInformation info;
  info.replaces = Oem("Ersatz ä");
  info.placedTexts = {{1.5L, 2, 3, 0, "Rz"}};
  DrawingInfoForm form(info, "Frei", "2026/12/07", NumberFormat{}, false);
  DrawingInfoDialog dialog(form, {});
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit_ersatz")->text(), QString::fromUtf8("Ersatz ä"));
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Grid_text_1_1")->text(), "1.5");
  EXPECT_EQ(dialog.findChild<QPushButton*>("Button_date3")->text(), "< 2026/12/07");
  dialog.findChild<QPushButton*>("Button_date3")->click();
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit_date3")->text(), "2026/12/07");
  QTest::keyClicks(dialog.findChild<QLineEdit*>("Grid_text_2_5"), "zweiter Text");
  QTest::keyClicks(dialog.findChild<QLineEdit*>("Edit_name1"), "Langer Name");  // 10 characters fit
  dialog.findChild<QPushButton*>("Button_ok")->click();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);

  form.OkClick(info);
  EXPECT_EQ(info.standards.date, "2026/12/07");
  EXPECT_EQ(info.drawn.name, "Langer Nam");
  ASSERT_EQ(info.placedTexts.size(), 2u);
  EXPECT_EQ(info.placedTexts[1].text, "zweiter Text");
}

TEST(ChangeDialog, TheMemoKeepsItsLinesAndTheDateButtonFillsTheDate) {
  ChangeForm form(Change{}, 4, "07.12.2026", false);
  ChangeDialog dialog(form, {});
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Änderung 4"));
  dialog.findChild<QPushButton*>("Button_date")->click();
  dialog.findChild<QPlainTextEdit*>("Memo_description")->setPlainText("eins\nzwei");
  dialog.findChild<QPushButton*>("Button_ok")->click();
  Change change;
  form.OkClick(change);
  EXPECT_EQ(change.date, "07.12.2026");
  EXPECT_EQ(change.description, "eins\nzwei");
}

TEST(DocumentSetupDialog, TheBrowseButtonPutsTheChosenFileIntoItsEdit) {
  testing::TestContext t;
  t.ui.texts = {"/daten/kegel.pdf"};
  DocumentSetupForm form(t.context, t.context.body.documentation.documents);
  DocumentSetupDialog dialog(form, {});
  QTest::keyClicks(dialog.findChild<QLineEdit*>("Edit_program3"), "-neu");
  dialog.findChild<QPushButton*>("Button_file3")->click();
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit_file3")->text(), "/daten/kegel.pdf");
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit_program3")->text(), "xdg-open-neu");
  dialog.findChild<QPushButton*>("Button_ok")->click();
  auto& documents = t.context.body.documentation.documents;
  form.OkClick(documents);
  EXPECT_EQ(documents[2], (LinkedDocument{"xdg-open-neu", "/daten/kegel.pdf"}));
}

}  // namespace
}  // namespace kalo
