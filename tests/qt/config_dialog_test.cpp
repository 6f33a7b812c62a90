// The configuration dialog on the offscreen platform: its fields show the form, its buttons
// run the form's actions, and OK keeps it open on a refused number.
#include "qt/config_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "context/context.h"
#include "platform/codepage.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class ConfigDialogWindow : public ::testing::Test {
 protected:
  QLineEdit* Edit(const char* name) { return dialog.findChild<QLineEdit*>(name); }
  QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }

  testing::TestContext t;
  SettingsForm form{t.context};
  ConfigDialog dialog{form, false};
};

TEST_F(ConfigDialogWindow, OpensOnGrafikWithEveryPageAndTakesTheFieldsOverOnOk) {
  auto* pages = dialog.findChild<QTabWidget*>("PageControl");
  ASSERT_EQ(pages->count(), kConfigPages);
  EXPECT_EQ(pages->tabText(pages->currentIndex()), "Grafik");
  EXPECT_EQ(pages->tabText(0), "Directories");
  EXPECT_EQ(Edit("Edit_zoomfaktor")->text(), "1.02");

  Edit("Edit_zoomfaktor")->setText("1,5");
  Edit("StringGrid_layer1_name")->setText(QString::fromUtf8("Kontur"));
  dialog.findChild<QCheckBox*>("CheckBox_archivmode")->setChecked(true);
  dialog.findChild<QCheckBox*>("CheckBox_layerfarbenSvgPdf")->setChecked(true);
  dialog.findChild<QWidget*>("RadioGroup_date")->findChildren<QRadioButton*>()[3]->setChecked(true);
  Button("Button_ok")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(t.context.config.zoomFactor, 1.5L);
  EXPECT_EQ(t.context.config.layers[4].name, "Kontur");
  EXPECT_TRUE(t.context.config.archiveMode);
  EXPECT_TRUE(t.context.config.pageLayerColours);
  EXPECT_EQ(t.context.config.dateCode, DateCode::DayMonthYear);
}

TEST_F(ConfigDialogWindow, ResetButtonsFillTheirFieldsAndTheBorderBoxesFollowEachOther) {
  Edit("Edit_panfaktor")->setText("0.5");
  Button("Edit_panfaktor_reset")->click();
  EXPECT_EQ(Edit("Edit_panfaktor")->text(), "0.02");
  Edit("StringGrid_layer1_colour")->setText("9");
  Button("StringGrid_layer1_reset")->click();
  EXPECT_EQ(Edit("StringGrid_layer1_colour")->text(), "3");
  Button("Button_strichstaerke3")->click();
  EXPECT_EQ(Edit("StringGrid_color15_thickness")->text(), "3");

  dialog.findChild<QCheckBox*>("CheckBox_umrandung_drucker")->setChecked(true);
  EXPECT_TRUE(dialog.findChild<QCheckBox*>("CheckBox_umrandung")->isChecked());
}

TEST_F(ConfigDialogWindow, HelpButtonsShowTheHelpTextsOfTheirPages) {
  Button("Button_help_grafik")->click();
  Button("Button_help_layer")->click();
  Button("Button_dirworking_help")->click();
  ASSERT_EQ(t.ui.messages.size(), 3u);
  EXPECT_EQ(t.ui.messages[0].caption, "HILFETEXT Nr.1940");
  EXPECT_EQ(t.ui.messages[1].caption, "HILFETEXT Nr.1910");
  EXPECT_EQ(t.ui.messages[2].caption, "HILFETEXT Nr.1605");
}

TEST_F(ConfigDialogWindow, ARefusedNumberKeepsTheDialogOpenOnItsPage) {
  Edit("SpinEdit_linesperpage")->setText("2");
  Button("Button_ok")->click();
  auto* pages = dialog.findChild<QTabWidget*>("PageControl");
  EXPECT_EQ(pages->currentIndex(), static_cast<int>(ConfigPage::Printout));
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0].text, Oem("Max. Anzahl Zeilen/Seite auf dem Ausdruck: Gültiger Wertebereich: 5 .. 999 !"));
  EXPECT_EQ(t.context.config.linesPerPage, 66);
  // The refused field has the focus, its text selected so that typing replaces it.
  dialog.show();
  Button("Button_ok")->click();
  QLineEdit* refused = Edit("SpinEdit_linesperpage");
  EXPECT_TRUE(refused->hasFocus() || QApplication::focusWidget() == refused || dialog.focusWidget() == refused);
  EXPECT_EQ(refused->selectedText(), "2");
}

}  // namespace
}  // namespace kalo
