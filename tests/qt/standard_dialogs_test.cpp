// The standard dialogs' windows: choice forms, text length, help buttons and the new windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "help/help_text.h"
#include "platform/codepage.h"
#include "qt/choice_dialog.h"
#include "lang/caption_vocabulary.h"
#include "qt/qt_text.h"
#include "qt/qt_ui.h"
#include "qt/select_colour_dialog.h"
#include "qt/select_dir_dialog.h"
#include "qt/text_prompt_dialog.h"
#include "qt/yes_no_choice_dialog.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

QStringList Items(int n) {
  QStringList items;
  for (int i = 1; i <= n; ++i) items << QString("Punkt %1").arg(i);
  return items;
}

QPushButton* Button(QWidget* dialog, const char* name) { return dialog->findChild<QPushButton*>(name); }

TEST(StandardDialogWindows, SevenItemsAreRadioButtonsEightAList) {
  ChoiceDialog radios("Titel", Items(7), 6);
  EXPECT_FALSE(radios.UsesList());
  EXPECT_EQ(radios.objectName(), "ChoiceDialog");
  EXPECT_EQ(radios.findChildren<QRadioButton*>().size(), 7);
  EXPECT_EQ(radios.Chosen(), 6);

  ChoiceDialog list("Titel", Items(8), 7);
  EXPECT_TRUE(list.UsesList());
  EXPECT_EQ(list.objectName(), "CodeChoiceDialog");
  EXPECT_EQ(list.Chosen(), 7);
}

TEST(StandardDialogWindows, TextPromptRefusesTheCharacterBeyondItsLength) {
  TextPromptDialog dialog("Name", "", 25);
  auto* edit = dialog.findChild<QLineEdit*>("Edit_text");
  QTest::keyClicks(edit, "abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(dialog.Text(), "abcdefghijklmnopqrstuvwxy");
  EXPECT_EQ(Button(&dialog, "Button_helptext"), nullptr);  // no help without a context
}

// Through QtUi: the help buttons show the help text of the current number (here the
// not-found text), the dialog stays open and the cancel flag is cleared.
TEST(StandardDialogWindows, HelpButtonsShowTheHelpTextAndKeepTheDialogOpen) {
  TestContext t;
  TempDir dir;
  t.context.config.pltDirectory = dir.Path();
  t.context.state.helpNumber = 8320;
  QtUi ui(t.context.config);
  ui.SetContext(t.context);
  bool stayedOpen = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    t.context.state.cancel = true;
    Button(dialog, "Button_helptext")->click();
    Button(dialog, "Button_helppicture")->click();
    stayedOpen = dialog->isVisible() && !t.context.state.cancel;
    QTest::keyClicks(dialog->findChild<QLineEdit*>("Edit_text"), "2,5");
    Button(dialog, "Button_ok")->click();
  });
  std::string value = "7,8";
  EXPECT_TRUE(ui.AskText("Dichte", 30, value));
  EXPECT_EQ(value, "7,82,5");
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(t.ui.messages.size(), 2u);
  EXPECT_EQ(t.ui.messages[0].caption, "HILFETEXT Nr.8320");
  EXPECT_EQ(t.ui.messages[0].text, "Datei " + dir.File("kalo.hlp") + " nicht gefunden ! ");
}

// A help text runs to several hundred characters: the real message box shows all of it.
TEST(StandardDialogWindows, TheMessageBoxShowsAWholeHelpText) {
  TestContext t;
  t.context.config.pltDirectory = std::string(KALO_SOURCE_DIR) + "/data";
  std::string text;
  for (const std::string& line : LookUpHelp(t.context, 8200).lines) text += line + " ";
  ASSERT_GT(text.size(), 300u);
  QtUi ui(t.context.config);
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->text();
    box->accept();
  });
  ui.MessageBox("HILFETEXT Nr.8200", text);
  EXPECT_EQ(shown.toStdString(), Cp850ToUtf8(text));
}

// With the menus in English the prompt, its title and its buttons are English too.
TEST(StandardDialogWindows, APromptFollowsTheMenuLanguage) {
  TestContext t;
  QtUi ui(t.context.config);
  SetDialogLanguage(kEnglish);
  QString prompt, title;
  QStringList buttons;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    prompt = dialog->findChild<QLabel*>()->text();
    title = dialog->windowTitle();
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) buttons << button->text();
    static_cast<QDialog*>(dialog)->reject();
  });
  std::string value = "7,8";
  ui.AskText(Oem("Dichte des Werkstoffs [kg/dm3]"), 20, value);
  SetDialogLanguage(kGerman);
  EXPECT_EQ(prompt, "Density of the material [kg/dm3]");
  EXPECT_EQ(title, "Input");
  EXPECT_TRUE(buttons.contains("Cancel")) << buttons.join(",").toStdString();
  EXPECT_FALSE(buttons.contains("Abbrechen"));
}

TEST(StandardDialogWindows, YesNoColourAndDirectoryWindowsFillTheirForms) {
  YesNoChoiceForm yesNo("Speichern ?", 'N', false);
  YesNoChoiceDialog yesNoDialog(yesNo);
  EXPECT_EQ(yesNoDialog.windowTitle(), "Eingabe");
  EXPECT_TRUE(yesNoDialog.findChild<QRadioButton*>("RadioButton_nein")->isChecked());
  yesNoDialog.findChild<QRadioButton*>("RadioButton_ja")->click();
  Button(&yesNoDialog, "Button_ok")->click();
  EXPECT_TRUE(yesNo.yes);

  SelectColourForm colour(5, false);
  SelectColourDialog colourDialog(colour);
  auto* list = colourDialog.findChild<QListWidget*>("ListBox_colour");
  EXPECT_EQ(list->currentItem()->text(), "5 (blau)");
  list->setCurrentRow(2);
  Button(&colourDialog, "Button_ok")->click();
  EXPECT_EQ(colour.OkClick(), 3);

  TempDir dir;
  std::filesystem::create_directories(dir.File("a/tief"));
  SelectDirForm directory(dir.Path(), {"/"});
  SelectDirDialog dirDialog(directory);
  auto* dirs = dirDialog.findChild<QListWidget*>("DirectoryListBox1");
  ASSERT_EQ(dirs->count(), 2);  // "..", "a"
  Q_EMIT dirs->itemDoubleClicked(dirs->item(1));
  EXPECT_EQ(dirDialog.findChild<QLabel*>("Label_directory")->text().toStdString(), dir.File("a"));
}

}  // namespace
}  // namespace kalo::testing
