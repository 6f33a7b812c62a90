// With the menus in English, every window the program opens reads English: each command of
// the main menu runs on the real windows, and every dialog and message box it opens is read
// (title, labels, buttons, group boxes, tabs, list items, menus) and answered, once with
// Cancel and once with OK, so that the windows behind the first ones are read as well.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>
#include <map>
#include <set>

#include "app/file_commands.h"
#include "cad/plot_command_form.h"
#include "dialogs/choice_forms.h"
#include "dialogs/select_dir_form.h"
#include "edit/coordinate_form.h"
#include "edit/dxf_import.h"
#include "help/error_explanation_form.h"
#include "help/help_picture_form.h"
#include "platform/codepage.h"
#include "views/diagram_limits_form.h"
#include "context/context.h"
#include "lang/caption_vocabulary.h"
#include "qt/main_window.h"
#include "qt/qt_text.h"
#include "qt/qt_ui.h"
#include "support/german_words.h"
#include "support/temp_dir.h"
#include "platform/clock.h"
#include "support/test_platform.h"

namespace kalo {
namespace {

// Every text a window shows of its own, not the data it shows (field values, table cells).
QStringList ShownTexts(QWidget& window) {
  QStringList texts{window.windowTitle()};
  if (auto* box = qobject_cast<QMessageBox*>(&window)) texts << box->text() << box->informativeText();
  for (auto* label : window.findChildren<QLabel*>()) texts << label->text();
  for (auto* button : window.findChildren<QAbstractButton*>()) texts << button->text();
  for (auto* group : window.findChildren<QGroupBox*>()) texts << group->title();
  for (auto* tabs : window.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  for (auto* list : window.findChildren<QListWidget*>())
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  for (auto* combo : window.findChildren<QComboBox*>()) {
    // The help pictures' index is a data file, as the help texts are; the commands below it
    // are the program's.
    bool pictureIndex = window.objectName() == "HelpPictureDialog" && combo->objectName() == "ListBox1";
    for (int i = 0; i < combo->count(); ++i)
      if (!pictureIndex || combo->itemText(i).startsWith("-----")) texts << combo->itemText(i);
  }
  for (auto* menu : window.findChildren<QMenu*>()) texts << menu->title();
  for (auto* action : window.findChildren<QAction*>()) texts << action->text();
  if (auto* bar = window.findChild<QStatusBar*>()) texts << bar->currentMessage();
  return texts;
}

// Qt's own dialogs speak the locale's language, as they did before.
bool IsQtsOwn(const QWidget& window) {
  for (const char* kind : {"QFileDialog", "QColorDialog", "QPrintDialog", "QPageSetupDialog", "QFontDialog"})
    if (window.inherits(kind)) return true;
  return false;
}

class EnglishDialogs : public ::testing::Test {
 protected:
  EnglishDialogs() {
    // The shipped files in a folder of the test's own: the material commands may write.
    std::filesystem::copy(std::string(KALO_SOURCE_DIR) + "/data", dir.File("data"), std::filesystem::copy_options::recursive);
    context.config.dbfDirectory = dir.File("data");
    context.config.pltDirectory = dir.File("data");
    context.config.tempDirectory = dir.Path();
    context.config.language = kEnglish;
    platform.currentDirectory = dir.Path();
    platform.environment["HOME"] = dir.Path();
    platform.environment["XDG_CONFIG_HOME"] = dir.Path();
    platform.environment["XDG_STATE_HOME"] = dir.Path();
    context.state.dataDirectory = dir.Path() + "/";
    ui.SetConfiguration(context.config);
    ui.SetContext(context);
    ui.SetParentWindow(&window);
    QObject::connect(&sweeper, &QTimer::timeout, [this] { AnswerTheOpenDialog(); });
    sweeper.start(5);
    window.UpdateMenus();  // the windows follow the menus' language
  }
  ~EnglishDialogs() override { SetDialogLanguage(kLanguageNone); }

  // Reads the window on top and answers it.
  void AnswerTheOpenDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    if (++answered > 200) {  // a command that asks without end
      ADD_FAILURE() << "endless questions in " << running;
      sweeper.stop();
      return;
    }
    QString name = dialog->objectName().isEmpty() ? dialog->metaObject()->className() : dialog->objectName();
    read.insert(name.toStdString());
    if (!IsQtsOwn(*dialog)) Read(*dialog, name);
    if (!accepting || IsQtsOwn(*dialog)) return dialog->reject();
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      return (yes ? yes : box->buttons().first())->click();
    }
    if (auto* ok = dialog->findChild<QPushButton*>("Button_ok"); ok && ok->isEnabled()) return ok->click();
    dialog->accept();
  }

  void Read(QWidget& shown, const QString& where) {
    // The choice of spelling out German letters shows what it does.
    const QStringList examples = {QString::fromUtf8("Ä->Ae, ß->ss...")};
    for (const QString& text : ShownTexts(shown)) {
      if (examples.contains(text)) continue;
      std::string german = testing::GermanIn(text.toStdString());
      if (!german.empty())
        found.insert(running + " / " + where.toStdString() + ": \"" + text.toStdString() + "\" (" + german + ")");
    }
  }

  // Every command of the menus that stays inside the program (no web page, mail, spreadsheet,
  // demonstration, linked document or language switch, no end of the program).
  void RunEveryCommand() {
    const std::set<QString> outside = {"mi_fileExit", "mi_helpWebPage", "mi_helpEmail", "mi_helpDemo",
                                       "mi_viewBody3d"};
    for (QAction* item : window.findChildren<QAction*>()) {
      QString name = item->objectName();
      if (!name.startsWith("mi_") || item->menu() || outside.contains(name) || name.startsWith("mi_ole") ||
          name.startsWith("mi_lang") || name.startsWith("mi_docDocument") || !item->isEnabled())
        continue;
      running = name.toStdString() + (accepting ? " (OK)" : " (Abbrechen)");
      answered = 0;
      item->trigger();
      Read(window, "main window");
      if (auto* notice = window.findChild<QLabel*>("Notice")) Read(*notice, "notice");
    }
  }

  testing::TempDir dir;
  Configuration startConfiguration;
  QtUi ui{startConfiguration};
  testing::TestPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context{ui, platform, clock};
  MainWindow window{context};
  QTimer sweeper;
  bool accepting = false;
  int answered = 0;
  std::string running;
  std::set<std::string> found;
  std::set<std::string> read;  // the windows read
};

TEST_F(EnglishDialogs, EveryWindowOfEveryCommandReadsEnglish) {
  window.UpdateMenus();
  Read(window, "start");
  FileOpenPath(context, std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal");
  window.UpdateMenus();
  RunEveryCommand();
  accepting = true;
  RunEveryCommand();
  std::string list;
  for (const std::string& text : found) list += "\n  " + text;
  EXPECT_TRUE(found.empty()) << found.size() << " German texts:" << list;
  // The sweep reached the windows of every subsystem.
  for (const char* window : {"SettingsForm", "AboutBox", "ElementListForm", "PrintDialog", "TableBrowserForm", "ChoiceDialog",
                             "TextPromptDialog", "Zeichnungsinfo", "Aenderung", "DocumentSetup", "HelpPictureDialog",
                             "DrawingTextDialog", "DataFileOverviewForm", "QMessageBox"})
    EXPECT_TRUE(read.contains(window)) << window;
}

// The windows that the commands above reach only behind a choice of the user, with the
// forms the commands give them.
TEST_F(EnglishDialogs, TheWindowsBehindTheFirstOnesReadEnglish) {
  running = "direct";
  YesNoChoiceForm yesNo(Oem("Speichern ?"), 'N', false);
  ui.AskYesNoChoice(yesNo);
  SelectColourForm colour(5, false);
  ui.AskColour(colour);
  SelectDirForm directory(dir.Path(), {"/"});
  ui.AskDirectory(directory);
  ErrorExplanationForm explanation(context, Oem("Schraffurfehler"), {true, true, "Ursache", "Abhilfe"});
  ui.ShowErrorExplanation(explanation);
  PlotCommandForm plot(context, "");
  ui.ShowPlotCommandForm(plot);
  DiagramLimitsForm limits({0, 0, 1, 1}, {-10, -5, 50, 25}, NumberFormat{});
  ui.EditDiagramLimits(limits);
  FileOpenPath(context, std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal");
  CoordinateForm coordinates(context, 1);
  ui.ShowCoordinateForm(coordinates);
  // The pictures' index is a data file, as the help texts are.
  HelpPictureForm pictures(context, {"ONE     : first", "TWO     : second"}, 1);
  ui.ShowHelpPictureBrowser(pictures);
  // A drawing with one closed outline above its axis: the import's preview.
  testing::WriteBytes(dir.File("ring.dxf"),
                      "0\nSECTION\n2\nENTITIES\n"
                      "0\nLINE\n8\n0\n10\n0\n20\n10\n11\n40\n21\n10\n"
                      "0\nLINE\n8\n0\n10\n40\n20\n10\n11\n40\n21\n20\n"
                      "0\nLINE\n8\n0\n10\n40\n20\n20\n11\n0\n21\n20\n"
                      "0\nLINE\n8\n0\n10\n0\n20\n20\n11\n0\n21\n10\n"
                      "0\nENDSEC\n0\nEOF\n");
  ImportDxfContour(context, dir.File("ring.dxf"));
  for (const char* window : {"YesNoChoiceDialog", "SelectColourDialog", "SelectDirDialog", "ErrorExplanationDialog",
                             "PlotCommandForm", "DiagramLimitsDialog", "CoordinateForm", "DxfImportDialog"})
    EXPECT_TRUE(read.contains(window)) << window;
  std::string list;
  for (const std::string& text : found) list += "\n  " + text;
  EXPECT_TRUE(found.empty()) << found.size() << " German texts:" << list;
}

}  // namespace
}  // namespace kalo
