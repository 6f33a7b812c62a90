// The menu languages in the main window: every item the vocabulary names takes the chosen
// language, and the recent-file items are built again.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <map>
#include <set>

#include "app/language_commands.h"
#include "lang/accelerators.h"
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
  // A caption without its accelerator, which another item of the same menu may have made move.
  static QString Words(QString caption) {
    caption.remove(QRegularExpression(R"(\(&?[A-Za-z0-9]\)$|\(&?[A-Za-z0-9]\)(?= ))"));
    return caption.remove('&');
  }

  testing::TempDir dir;
  testing::TestContext t;
  std::unique_ptr<TMainForm> window;
};

TEST_F(MenuLanguage, EveryNamedItemFollowsTheChosenLanguage) {
  window = std::make_unique<TMainForm>(t.context);
  CaptionVocabulary expected;
  for (const auto& [item, number] : kLanguageMenuItems) {
    std::string name = "mi_lang" + std::string(item + 1);
    Choose(name.c_str());
    EXPECT_EQ(t.context.config.language, number);
    expected.SetLanguage(number);
    for (const auto& [menuItem, caption] : MainMenuCaptions(expected))
      EXPECT_EQ(Words(Text(menuItem)), Words(QString::fromStdString(caption))) << menuItem << " in " << number;
    EXPECT_EQ(Words(Text("mi_viewErrorMessages")),
              Words(QString::fromStdString(expected.Text(GeneralCaption::ErrorMessages) + " (0)")));
    EXPECT_EQ(Text("mi_file1"), "&1 /daten/welle.kal");
  }
  EXPECT_EQ(Words(Text("mi_fileOpenTable")), QString::fromUtf8("열기 (테이블    )"));
  EXPECT_EQ(Words(Text("mi_editReset")), QString::fromUtf8("초기화"));
}

// Every caption of the whole menu tree, in the order shown, with the item's name.
void CollectCaptions(const QMenu& menu, std::vector<std::pair<QString, QString>>& captions) {
  for (QAction* item : menu.actions()) {
    if (item->isSeparator() || !item->isVisible()) continue;  // hidden: the empty recent-file items
    captions.push_back({item->objectName(), item->text()});
    if (item->menu()) CollectCaptions(*item->menu(), captions);
  }
}

// In every language but German, each item's caption differs from its German one, except
// the names that are the same in every language and, in languages of the Latin alphabet,
// words that German shares with them; the window title follows as well.
TEST_F(MenuLanguage, EveryItemOfTheWholeMenuTreeIsTranslatedInEveryLanguage) {
  t.context.state.recentFiles = {"", "", "", ""};
  window = std::make_unique<TMainForm>(t.context);
  auto captions = [&] {
    std::vector<std::pair<QString, QString>> all;
    for (QAction* top : window->menuBar()->actions()) {
      all.push_back({top->menu()->objectName(), top->text()});
      CollectCaptions(*top->menu(), all);
    }
    return all;
  };
  Choose("mi_langDeutsch");
  std::map<QString, QString> german;
  for (const auto& [name, caption] : captions()) german[name] = caption;
  QString germanTitle = window->windowTitle();
  ASSERT_GT(german.size(), 50u);
  const std::set<QString> sameEverywhere = {
      "mi_cad",        "mi_ole",        "mi_oleStartExcel", "mi_oleExport",  "mi_oleImport", "mi_olePrintout",
      "mi_langDeutsch", "mi_langEnglish", "mi_langRoman",    "mi_langKorea"};
  const std::set<QString> sharedWords = {"mi_helpWebPage", "mi_helpDemo", "mi_helpHistory", "mi_fileImportDxf",
                                         "mi_fileExportDxf", "mi_helpAbout", "mi_editText", "mi_editGeometrie"};
  for (const char* language : {"mi_langEnglish", "mi_langRoman", "mi_langKorea"}) {
    Choose(language);
    bool latin = std::string(language) != "mi_langKorea";
    for (const auto& [name, caption] : captions()) {
      if (!sameEverywhere.contains(name) && !(latin && sharedWords.contains(name))) {
        EXPECT_NE(caption.trimmed(), german[name].trimmed()) << name.toStdString() << " in " << language;
      }
    }
    EXPECT_NE(window->windowTitle(), germanTitle) << language;
  }
}

// Within the menu bar and within each menu, in every language, no two items share an
// accelerator letter, whatever the body's state shows (recent files, error count).
TEST_F(MenuLanguage, NoTwoItemsOfOneMenuShareAnAcceleratorInAnyLanguage) {
  auto clashes = [](const QList<QAction*>& items) {
    std::map<std::string, QString> taken;
    QStringList found;
    for (QAction* item : items) {
      if (item->isSeparator() || !item->isVisible()) continue;
      std::string key = AcceleratorOf(item->text().toStdString());
      if (key.empty()) continue;
      auto [first, fresh] = taken.emplace(key, item->text());
      if (!fresh) found << first->second + " / " + item->text();
    }
    return found;
  };
  auto expectNoClash = [&](const std::string& when) {
    EXPECT_EQ(clashes(window->menuBar()->actions()).join(", ").toStdString(), "") << when;
    for (QMenu* menu : window->findChildren<QMenu*>())
      EXPECT_EQ(clashes(menu->actions()).join(", ").toStdString(), "") << menu->objectName().toStdString() << when;
  };
  // Every language the configuration file may hold, the mixed menus of those the program
  // group does not know among them, and then each language of the menu in turn.
  for (int stored = kLanguageNone; stored <= kGeneralLanguages; ++stored) {
    t.context.config.language = stored;
    window = std::make_unique<TMainForm>(t.context);
    expectNoClash(" stored " + std::to_string(stored));
  }
  for (const char* language : {"mi_langDeutsch", "mi_langEnglish", "mi_langRoman", "mi_langKorea"}) {
    Choose(language);
    expectNoClash(std::string(" in ") + language);
  }
}

TEST_F(MenuLanguage, TheStoredLanguageAppliesAtStartAndNoneLeavesGerman) {
  t.context.config.language = kEnglish;
  window = std::make_unique<TMainForm>(t.context);
  EXPECT_EQ(Words(Text("mi_fileOpenTable")), "Open... (Table)");

  t.context.config.language = 0;
  window = std::make_unique<TMainForm>(t.context);
  EXPECT_EQ(Text("mi_fileNew"), "&Neu...        ");
  EXPECT_EQ(Text("mi_file"), "&Datei");
}

}  // namespace
}  // namespace kalo
