#include "qt/text_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTimer>

#include "lang/caption_vocabulary.h"
#include "platform/codepage.h"
#include "qt/qt_text.h"
#include "qt/qt_ui.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

TEST(TextWindow, ShowsTheReportCopiesItAndRemembersWhereItStood) {
  testing::TempDir dir;
  testing::TestContext test;
  Context& context = test.context;
  std::string path = dir.File("outwin.txt");
  testing::WriteBytes(path, Cp850ToAnsi(Oem("       Querschnittsfläche  Axy  mm²\r\n\f\r\n       Seite 2\r\n")));
  context.config.textWindowLeft = 20;
  context.config.textWindowTop = 30;
  context.config.textWindowWidth = 640;
  context.config.textWindowHeight = 400;
  context.config.textSizePrintout = 11;
  TextWindowForm form(context, path);
  std::vector<std::string> printed;
  TextWindow window(form, [&](const std::vector<std::string>& lines) { printed = lines; });
  window.show();

  EXPECT_EQ(window.windowTitle(), QString::fromStdString("KALO " + path));
  EXPECT_EQ(window.pos(), QPoint(20, 30));
  EXPECT_EQ(window.size(), QSize(640, 400));
  auto* memo = window.findChild<QPlainTextEdit*>("Memo1");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
  EXPECT_EQ(memo->font().pointSize(), 11);

  window.findChild<QAction*>("mi_allesAuswaehlen")->trigger();
  window.findChild<QAction*>("mi_kopieren")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(),
            QString::fromUtf8("       Querschnittsfläche  Axy  mm²\n\f\n       Seite 2"));

  window.findChild<QAction*>("mi_drucken")->trigger();
  EXPECT_EQ(printed, form.lines);

  window.move(50, 60);
  window.resize(720, 480);
  window.findChild<QAction*>("mi_beenden")->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(context.config.textWindowLeft, 50);
  EXPECT_EQ(context.config.textWindowWidth, 720);
  EXPECT_EQ(context.config.textWindowHeight, 480);
}

}  // namespace
}  // namespace kalo

namespace kalo {
namespace {

// A demonstration's report step shows the text window and goes on at once; the window
// closes when the demonstration ends.
TEST(TextWindow, ADemonstrationDoesNotWaitForTheTextWindow) {
  testing::TempDir dir;
  testing::TestContext test;
  std::string path = dir.File("outwin.txt");
  testing::WriteBytes(path, "Bericht\r\n");
  QtUi ui(test.context.config);
  ui.SetContext(test.context);
  bool waited = false;
  // Should the window wait after all, the test ends it instead of hanging.
  QTimer::singleShot(2000, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      waited = true;
      modal->close();
    }
  });
  auto shownTextWindows = [] {
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == "TextWindow" && window->isVisible()) ++shown;
    return shown;
  };
  ui.SetDemonstration(true);
  ui.ShowTextFile(path);
  EXPECT_FALSE(waited);
  EXPECT_EQ(shownTextWindows(), 1);
  ui.ShowTextFile(path);  // a second report replaces it
  EXPECT_EQ(shownTextWindows(), 1);
  ui.ShowDemoStep("Bericht", 1);  // its step ends: the graphics window shows again
  EXPECT_EQ(shownTextWindows(), 0);
  ui.ShowTextFile(path);
  ui.SetDemonstration(false);
  EXPECT_EQ(shownTextWindows(), 0);
}

// With the menus in English the text window's own menus are English too.
TEST(TextWindow, MenusFollowTheDialogLanguage) {
  testing::TempDir dir;
  testing::TestContext test;
  testing::WriteBytes(dir.File("outwin.txt"), "Seite 1\r\n");
  TextWindowForm form(test.context, dir.File("outwin.txt"));
  SetDialogLanguage(kEnglish);
  TextWindow window(form, [](const std::vector<std::string>&) {});
  SetDialogLanguage(kGerman);
  EXPECT_EQ(window.findChild<QAction*>("mi_drucken")->text(), "&Print...");
  EXPECT_EQ(window.findChild<QAction*>("mi_beenden")->text().trimmed(), "E&xit");
  EXPECT_EQ(window.findChild<QAction*>("mi_allesAuswaehlen")->text(), "Select &all");
}

}  // namespace
}  // namespace kalo
