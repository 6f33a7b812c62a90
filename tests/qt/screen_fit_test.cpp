// Windows on a screen smaller than the sizes the settings ask for (the offscreen screen is
// 800 × 600): the main window after Einstellungen → OK and the text window stay within the
// screen's available area.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "config/config_form.h"
#include "qt/main_window.h"
#include "qt/qt_ui.h"
#include "qt/text_window.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

TEST(ScreenFit, SettingsForALargerScreenNeverMakeTheMainWindowLargerThanTheScreen) {
  testing::TempDir dir;
  testing::TestContext t;
  t.context.config.tempDirectory = dir.Path();
  t.context.config.resolutionX = 1271;  // what a large screen's settings ask for
  t.context.config.resolutionY = 974;
  ASSERT_LT(Available().height(), 975);
  MainWindow window(t.context);
  window.show();
  QtUi ui(t.context.config);
  ui.SetContext(t.context);
  ui.SetParentWindow(&window);
  SettingsForm form(t.context);
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>("Button_ok")->click();
  });
  ASSERT_TRUE(ui.ShowConfigDialog(form));
  EXPECT_TRUE(Available().contains(window.frameGeometry())) << window.frameGeometry().width() << "x"
                                                             << window.frameGeometry().height();
}

TEST(ScreenFit, TheTextWindowFitsTheScreenWhateverItsStoredSize) {
  testing::TempDir dir;
  testing::TestContext t;
  std::string path = dir.File("outwin.txt");
  std::string report;
  for (int line = 0; line < 200; ++line) report += "Zeile " + std::to_string(line) + "\r\n";
  testing::WriteBytes(path, report);
  t.context.config.textWindowLeft = 300;
  t.context.config.textWindowTop = 100;
  t.context.config.textWindowWidth = 1200;
  t.context.config.textWindowHeight = 944;
  TextWindowForm form(t.context, path);
  TextWindow window(form, [](const std::vector<std::string>&) {});
  window.show();
  EXPECT_TRUE(Available().contains(window.frameGeometry())) << window.frameGeometry().width() << "x"
                                                             << window.frameGeometry().height();
}

}  // namespace
}  // namespace kalo
