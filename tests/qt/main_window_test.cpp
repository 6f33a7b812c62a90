// The main window on the offscreen platform: its menus follow the core's state, items run
// the core's commands, and closing asks the core first.
#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

#include "doc/drawing_text_form.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    t.context.config.tempDirectory = dir.Path();
    t.context.config.helpLevel = HelpLevel::NoInfo;
    t.platform.currentDirectory = dir.Path();
  }

  QAction* Item(const char* name) {
    QAction* item = window.findChild<QAction*>(name);
    EXPECT_NE(item, nullptr) << name;
    return item;
  }

  testing::TempDir dir;
  testing::TestContext t;
  MainWindow window{t.context};
};

TEST_F(MainWindowTest, MenusCarryEveryCommandAndLaterOnesAreDisabled) {
  for (const char* name : {"mi_fileNew", "mi_fileOpen", "mi_fileSave", "mi_fileSaveAs", "mi_fileExportDxf",
                           "mi_fileImportDxf", "mi_filePrint", "mi_fileConfig", "mi_langEnglish", "mi_fileExit", "mi_editText", "mi_editGeometrie", "mi_editWerkstoff", "mi_databaseWerkstoff", "mi_editBerechnung", "mi_editReset", "mi_viewStandard",
                           "mi_viewAuszug", "mi_viewGrafik", "mi_viewTabelle", "mi_viewZeichnung", "mi_cadGrafik",
                           "mi_cadPolylinie", "mi_cadTabelle", "mi_cadZeichnung", "mi_cadStep", "mi_cadStl", "mi_viewBody3d", "mi_helpHilfebild", "mi_helpErrorMessages",
                           "mi_helpWebPage", "mi_helpEmail", "mi_helpDemo", "mi_docInfo", "mi_docSetup", "mi_docDocument1", "mi_helpHistory",
                           "mi_helpAbout"})
    EXPECT_TRUE(Item(name)->isEnabled()) << name;
  for (const char* name : {"mi_fileOpenTable", "mi_oleStartExcel", "mi_olePrintout"})
    EXPECT_TRUE(Item(name)->isEnabled()) << name;
  // Export and Import wait for a successful Start Excel.
  for (const char* name : {"mi_editUndo", "mi_editRedo", "mi_oleExport", "mi_oleImport"})
    EXPECT_FALSE(Item(name)->isEnabled()) << name;
  EXPECT_EQ(Item("mi_fileNew")->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(Item("mi_fileOpen")->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(Item("mi_fileSave")->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(Item("mi_filePrint")->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(Item("mi_editUndo")->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(Item("mi_editRedo")->shortcut(), QKeySequence("Ctrl+Y"));
  EXPECT_EQ(Item("mi_fileOpen")->text(), QString::fromUtf8("Ö&ffnen...     "));
}

TEST_F(MainWindowTest, RecentItemsStandAboveExitAndTheErrorItemCountsMessages) {
  EXPECT_FALSE(Item("mi_file1")->isVisible());
  EXPECT_FALSE(Item("mi_viewErrorMessages")->isEnabled());
  t.context.state.recentFiles = {"/daten/welle.kal", "/daten/rad.kal", "", ""};
  for (int i = 0; i < 11; ++i) t.context.messages.Report("Meldung " + std::to_string(i));
  window.UpdateMenus();

  QList<QAction*> items = window.findChild<QMenu*>("mi_file")->actions();
  qsizetype exit = items.indexOf(Item("mi_fileExit"));
  ASSERT_GE(exit, 5);
  EXPECT_TRUE(items[exit - 1]->isSeparator() && items[exit - 1]->isVisible());
  EXPECT_EQ(items[exit - 5], Item("mi_file1"));
  EXPECT_EQ(Item("mi_file1")->text(), "&1 /daten/welle.kal");
  EXPECT_TRUE(Item("mi_file2")->isVisible());
  EXPECT_FALSE(Item("mi_file3")->isVisible());
  EXPECT_EQ(Item("mi_viewErrorMessages")->text(), "&Fehlermeldungen (11)");
  EXPECT_TRUE(Item("mi_viewErrorMessages")->isEnabled());
}

TEST_F(MainWindowTest, ItemsRunTheCommandsAndTheCaptionFollows) {
  t.ui.onDrawingTextForm = [](DrawingTextForm& form) {
    form.fields[0].text = "Welle";
    return true;
  };
  Item("mi_editText")->trigger();
  EXPECT_EQ(t.context.body.texts.name, "Welle");
  EXPECT_TRUE(t.context.state.modified);
  EXPECT_TRUE(window.isWindowModified());  // the caption carries the modified marker

  t.ui.texts = {dir.File("welle.kal")};
  Item("mi_fileSave")->trigger();
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("KALO  Berechnung rotationssymmetrischer Körper  -  welle.kal [*]"));
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_TRUE(Item("mi_file1")->isVisible());  // the name given in the save dialog is a recent file
  EXPECT_TRUE(Item("mi_file1")->text().endsWith("welle.kal"));
  Item("mi_fileNew")->trigger();
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("KALO  Berechnung rotationssymmetrischer Körper [*]"));
}

TEST_F(MainWindowTest, WithoutABodyTheStartPageSaysHowToBeginAndOpensAnExampleWithOneClick) {
  t.context.dataFolders = {std::string(KALO_SOURCE_DIR) + "/data"};
  t.context.state.recentFiles[0] = dir.File("alt.kal");
  window.UpdateMenus();
  window.show();
  auto* page = window.findChild<QLabel*>("StartPage");
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->isVisible());
  QString text = page->text();
  for (const char* shown : {"Bearbeiten &gt; Geometrie", "Datei &gt; Öffnen", "Import (DXF, STEP)", "alt.kal", "flange.kal",
                            "torus.kal"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown;

  // The link of the flange: it is read and the page gives way to it.
  int link = text.left(text.indexOf("flange.kal")).count("<a href=") - 1;
  Q_EMIT page->linkActivated(QString::number(link));
  QCoreApplication::processEvents();  // the file is opened after the click's own handling
  EXPECT_GT(t.context.body.contour.count, 0);
  EXPECT_EQ(t.context.state.currentFileName, "flange");
  EXPECT_EQ(t.context.state.recentFiles[0], std::string(KALO_SOURCE_DIR) + "/data/examples/flange.kal");
  EXPECT_FALSE(page->isVisible());
}

TEST_F(MainWindowTest, ClosingAsksForUnsavedInputAndStaysOpenOnCancel) {
  window.show();
  t.context.state.modified = true;
  t.ui.answers = {Answer::Cancel};
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  t.ui.answers = {Answer::Yes};
  EXPECT_TRUE(window.close());
  EXPECT_EQ(t.ui.questions, (std::vector<std::string>{"Bisherige Eingaben verwerfen ?", "Bisherige Eingaben verwerfen ?"}));
  EXPECT_EQ(t.ui.notices.front(), Oem("Lösche temporäre Dateien ..."));
}

}  // namespace
}  // namespace kalo
