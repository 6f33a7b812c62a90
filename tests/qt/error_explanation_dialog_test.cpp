// The explanation window: an edited remedy is saved after "Save Changes ?".
#include "qt/error_explanation_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

TEST(ErrorExplanationDialog, TypedRemedyIsSavedAndHelpLeavesTheWindowOpen) {
  TestContext t;
  TempDir dir;
  std::filesystem::create_directories(dir.File("tmp"));
  t.context.config.pltDirectory = dir.Path();
  t.context.config.tempDirectory = dir.File("tmp");
  WriteBytes(dir.File("kalo.err"), "Schraffurfehler\r\nUrsache\r\nAbhilfe\r\n");
  ErrorExplanationForm form(t.context, "Schraffurfehler", {true, true, "Ursache", "Abhilfe"});
  ErrorExplanationDialog dialog(form);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Fehlermeldung");
  EXPECT_TRUE(dialog.findChild<QLineEdit*>("Edit_meldung")->isReadOnly());
  EXPECT_FALSE(form.changed);

  dialog.findChild<QPushButton*>("Button_help")->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(t.ui.messages.back().caption, "HILFETEXT Nr.1970");

  auto* remedy = dialog.findChild<QWidget*>("Memo_abhilfe");
  QTest::keyClick(remedy, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(remedy, " neu");
  t.ui.answers = {Answer::Yes};
  dialog.findChild<QPushButton*>("Button_ok")->click();
  EXPECT_EQ(t.ui.questions, (std::vector<std::string>{"Save Changes ?"}));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(ReadBytes(dir.File("kalo.err")), "Schraffurfehler\r\nUrsache\r\nAbhilfe neu\r\n");
}

}  // namespace
}  // namespace kalo::testing
