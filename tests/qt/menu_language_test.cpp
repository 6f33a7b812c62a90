// The menu languages in the main window: every item the vocabulary names takes the chosen
// language, and the recent-file items are built again.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "app/language_commands.h"
#include "qt/main_window.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class MenuLanguage : public ::testing::Test {
 protected:
  MenuLanguage() {
    t.context.config.tempDirectory = dir.Path();
    t.context.state.recentFiles = {"/daten/welle.kal", "", "", ""};
  }

  QString Text(const std::string& name) {
    if (auto* menu = window->findChild<QMenu*>(QString::fromStdString(name))) return menu->title();
    auto* item = window->findChild<QAction*>(QString::fromStdString(name));
    EXPECT_NE(item, nullptr) << name;
    return item ? item->text() : QString();
  }
  void Choose(const char* item) { window->findChild<QAction*>(item)->trigger(); }

  testing::TempDir dir;
  testing::TestContext t;
  std::unique_ptr<TMainForm> window;
};

TEST_F(MenuLanguage, EveryNamedItemFollowsTheChosenLanguage) {
  window = std::make_unique<TMainForm>(t.context);
  CaptionVocabulary expected;  // in the same order: Korean keeps the Romanian "&Resetare"
  for (const auto& [item, number] : kLanguageMenuItems) {
    std::string name = "mi_lang" + std::string(item + 1);
    Choose(name.c_str());
    EXPECT_EQ(t.context.config.language, number);
    expected.SetLanguage(number);
    for (const auto& [menuItem, caption] : MainMenuCaptions(expected))
      EXPECT_EQ(Text(menuItem), QString::fromStdString(caption)) << menuItem << " in " << number;
    EXPECT_EQ(Text("mi_viewErrorMessages"),
              QString::fromStdString(expected.Text(GeneralCaption::ErrorMessages) + " (0)"));
    EXPECT_EQ(Text("mi_file1"), "&1 /daten/welle.kal");
  }
  EXPECT_EQ(Text("mi_fileOpenTable"), QString::fromUtf8("열기(&O) (테이블(&T)    )"));
  EXPECT_EQ(Text("mi_editReset"), "&Resetare");
}

TEST_F(MenuLanguage, TheStoredLanguageAppliesAtStartAndNoneLeavesGerman) {
  t.context.config.language = kEnglish;
  window = std::make_unique<TMainForm>(t.context);
  EXPECT_EQ(Text("mi_fileOpenTable"), "&Open... (&Table)");

  t.context.config.language = 0;
  window = std::make_unique<TMainForm>(t.context);
  EXPECT_EQ(Text("mi_fileNew"), "&Neu...        ");
  EXPECT_EQ(Text("mi_file"), "&Datei");
}

}  // namespace
}  // namespace kalo
