// The plot program's parameter window and the caption of the demonstration.
#include "qt/plot_command_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "lang/caption_vocabulary.h"
#include "qt/demo_caption.h"
#include "qt/graph_widget.h"
#include "qt/main_window.h"
#include "qt/qt_text.h"
#include "support/test_context.h"

namespace kalo {
namespace {

QRadioButton* Radio(QDialog& dialog, const char* group, int index) {
  return dialog.findChild<QGroupBox*>(group)->findChildren<QRadioButton*>().at(index);
}

TEST(PlotCommandDialog, ControlsFollowTheInterfaceAndTheLineFollowsEveryChange) {
  testing::TestContext t;
  t.context.config.tempDirectory = "/t";
  t.context.config.pltDirectory = KALO_SOURCE_DIR "/data";
  PlotCommandForm form(t.context, "alt");
  PlotCommandDialog dialog(form, false);
  auto* line = dialog.findChild<QLabel*>("Label_commandline");
  auto* com = dialog.findChild<QLineEdit*>("Edit_com");
  EXPECT_EQ(line->text(), "alt");
  EXPECT_FALSE(com->isEnabled());
  EXPECT_TRUE(dialog.findChild<QLineEdit*>("Edit_lpt")->isEnabled());
  EXPECT_FALSE(dialog.findChild<QLineEdit*>("Edit_scale")->toolTip().isEmpty());

  Radio(dialog, "RadioGroup_d", 0)->click();
  EXPECT_TRUE(com->isEnabled());
  com->selectAll();
  QTest::keyClicks(com, "2");
  EXPECT_EQ(line->text(), "kalo-plot /t/penplot /CHPL /D1 /P3");

  dialog.findChild<QCheckBox*>("CheckBox_scale")->click();
  EXPECT_FALSE(dialog.findChild<QLineEdit*>("Edit_scale")->isEnabled());
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit_scale")->text(), "0");
  EXPECT_TRUE(line->text().endsWith(" /M*"));

  auto* font = dialog.findChild<QComboBox*>("ComboBox_psfont");
  EXPECT_FALSE(font->isEnabled());
  EXPECT_EQ(font->count(), 35);
  Radio(dialog, "RadioGroup_outcode", 1)->click();
  EXPECT_TRUE(font->isEnabled());
  font->setCurrentIndex(12);
  EXPECT_TRUE(line->text().endsWith(" /M* /TCourier")) << line->text().toStdString();

  dialog.findChild<QPushButton*>("Button_ok")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(form.commandLineText, "kalo-plot /t/penplot /CPS /D1 /P3 /M* /TCourier");
}

// With the menus in English the window's labels and buttons are English too.
TEST(PlotCommandDialog, FollowsTheDialogLanguage) {
  testing::TestContext t;
  PlotCommandForm form(t.context, "alt");
  SetDialogLanguage(kEnglish);
  PlotCommandDialog dialog(form, false);
  SetDialogLanguage(kGerman);
  EXPECT_EQ(dialog.findChild<QGroupBox*>("RadioGroup_outcode")->title(), "Output format");
  EXPECT_EQ(dialog.findChild<QCheckBox*>("CheckBox_rotate")->text(), "Turn the plot by 90 degrees ?");
  EXPECT_EQ(dialog.findChild<QPushButton*>("Button_cancel")->text(), "Cancel");
}

TEST(PlotCommandDialog, NoTooltipsWithTheHelpLevelZero) {
  testing::TestContext t;
  t.context.config.helpLevel = HelpLevel::NoInfo;
  PlotCommandForm form(t.context, "");
  PlotCommandDialog dialog(form, false);
  EXPECT_TRUE(dialog.findChild<QLineEdit*>("Edit_scale")->toolTip().isEmpty());
}

TEST(DemoCaption, ShowsForItsTimeUnlessAKeyEndsIt) {
  QWidget window;
  window.resize(600, 400);
  {
    DemoCaption caption("Schritt", &window);
    EXPECT_TRUE(caption.Run(20));
  }
  DemoCaption caption("Schritt", &window);
  QTimer::singleShot(10, [&] { QTest::keyClick(&window, Qt::Key_Space); });
  EXPECT_FALSE(caption.Run(5000));
}

TEST(DemoCaption, KeysOfTheDemonstrationReachTheGraphicsWindow) {
  testing::TestContext t;
  t.context.config.resolutionX = 640;
  t.context.config.resolutionY = 480;
  t.context.config.zoomFactor = 2;
  MainWindow window{t.context};
  GraphWindow& graphics = window.Graph().Window();
  graphics.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 640, 480);
  PressGraphicsKey(&window, 107);  // "+"
  EXPECT_EQ(graphics.State().zoom, (IntRect{160, 120, 480, 360}));
  PressGraphicsKey(nullptr, 107);  // no window: nothing happens
}

}  // namespace
}  // namespace kalo
