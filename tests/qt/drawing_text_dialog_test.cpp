#include "qt/drawing_text_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/codepage.h"

namespace kalo {
namespace {

TEST(DrawingTextDialog, TypedTextsReachTheFormWithinTheirLengths) {
  DrawingTexts texts;
  texts.name = Oem("Welle Ø40");
  DrawingTextForm form(texts, false);
  DrawingTextDialog dialog(form);

  auto* name = dialog.findChild<QLineEdit*>("Edit_zeichname");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), QString::fromUtf8("Welle Ø40"));
  auto* number = dialog.findChild<QLineEdit*>("Edit_zeichnr");
  QTest::keyClicks(number, "KA-1234567890123456789");  // 22 characters, 18 fit
  dialog.findChild<QPushButton*>("Button_ok")->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  form.OkClick(texts);
  EXPECT_EQ(texts.number, "KA-123456789012345");
  EXPECT_EQ(texts.name, Oem("Welle Ø40"));
}

TEST(DrawingTextDialog, CancelLeavesTheFormAsItWas) {
  DrawingTextForm form(DrawingTexts{}, false);
  DrawingTextDialog dialog(form);
  QTest::keyClicks(dialog.findChild<QLineEdit*>("Edit_bemerk1"), "neu");
  dialog.findChild<QPushButton*>("Button_cancel")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(form.fields[3].text, "");
}

}  // namespace
}  // namespace kalo
