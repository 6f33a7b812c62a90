#include "qt/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "app/command_run.h"
#include "app/config_commands.h"
#include "app/data_file_overview.h"
#include "app/documentation_commands.h"
#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "app/help_commands.h"
#include "app/language_commands.h"
#include "app/main_menu_state.h"
#include "app/material_commands.h"
#include "app/print_commands.h"
#include "app/solid_commands.h"
#include "app/start_page.h"
#include "app/undo_commands.h"
#include "app/view_commands.h"
#include "app/window_start.h"
#include "cad/cad_driver.h"
#include "cad/cad_formats.h"
#include "context/context.h"
#include "demo/demo_run.h"
#include "help/help_picture_browser.h"
#include "app/ole_commands.h"
#include "platform/codepage.h"
#include "qt/body_view.h"
#include "qt/graph_widget.h"
#include "qt/qt_text.h"
#include "qt/qt_translation.h"
#include "qt/start_page_view.h"
#include "report/result_report.h"
#include "views/show_view.h"

namespace kalo {
namespace {

// The window's initial position on the screen.
constexpr QPoint kInitialPosition{194, 110};

// The drawing sheet as an SVG or PDF file, named in the save dialog.
void DrawingOnTarget(Context& context, int target) { ShowView(context, target, ViewNumber::DrawingSheet); }

}  // namespace

MainWindow::MainWindow(Context& context, QWidget* parent)
    : QMainWindow(parent), context_(context), graph_(new GraphWidget(context, this)) {
  setObjectName("MainForm");
  setCentralWidget(graph_);
  startPage_ = new StartPageView(graph_, [this](const std::string& path) {
    Run([path](Context& c) { FileOpenPath(c, path); });
  });
  BuildFileMenu();
  BuildEditMenu();
  BuildViewMenus();
  BuildDocumentMenus();
  BuildHelpMenu();
  UpdateMenus();
}

QString MainWindow::Caption(const std::string& utf8) const {
  // Captions that code page 850 cannot hold (Korean) are shown as they are.
  std::string cp850 = Utf8ToCp850(utf8);
  if (Cp850ToUtf8(cp850) != utf8) return QString::fromStdString(utf8);
  return Shown(cp850, context_.config.specialCharacters == SpecialCharacters::PlainLetters);
}

void MainWindow::FollowLanguage() {
  int language = context_.config.language;
  if (language != captions_.Language()) captions_.SetLanguage(language);
  if (language == labelledLanguage_) return;
  labelledLanguage_ = language;
  FollowQtTranslation(LanguageLocale(language));
  SetDialogLanguage(language);
  for (const auto& [name, caption] : MainMenuCaptions(captions_)) {
    if (auto* menu = findChild<QMenu*>(QString::fromStdString(name)))
      menu->setTitle(Caption(caption));
    else if (auto* item = findChild<QAction*>(QString::fromStdString(name)))
      item->setText(Caption(caption));
  }
}

QMenu* MainWindow::AddMenu(const char* name, const char* caption, QMenu* parent) {
  QMenu* menu = parent ? parent->addMenu(Caption(caption)) : menuBar()->addMenu(Caption(caption));
  menu->setObjectName(name);
  return menu;
}

QAction* MainWindow::AddCommand(QMenu* menu, const char* name, const char* caption, Command command) {
  QAction* item = menu->addAction(Caption(caption));
  item->setObjectName(name);
  connect(item, &QAction::triggered, this, [this, command = std::move(command)] { Run(command); });
  return item;
}

void MainWindow::Run(const Command& command) {
  startPage_->hide();  // what the command draws (a help picture, the contour typed) shows whole
  RunCommand(context_, command);
  UpdateMenus();
}

void MainWindow::BuildFileMenu() {
  QMenu* file = AddMenu("mi_file", "&Datei");
  AddCommand(file, "mi_fileNew", "&Neu...", FileNew)->setShortcut(QKeySequence("Ctrl+N"));
  AddCommand(file, "mi_fileOpen", "Ö&ffnen...", FileOpen)->setShortcut(QKeySequence("Ctrl+O"));
  AddCommand(file, "mi_fileOpenTable", "Ö&ffnen... (&Tabelle)", FileOpenTable);
  AddCommand(file, "mi_fileSave", "&Speichern...", FileSave)->setShortcut(QKeySequence("Ctrl+S"));
  AddCommand(file, "mi_fileSaveAs", "Speichern &Unter...", FileSaveAs);
  file->addSeparator();
  AddCommand(file, "mi_fileImportDxf", "&Import (DXF, STEP)...", FileImportDxf);
  AddCommand(file, "mi_fileExportDxf", "Ex&port (DXF)...", FileExportDxf);
  file->addSeparator();
  AddCommand(file, "mi_filePrint", "&Drucken...", [this](Context& c) { FilePrint(c, graph_->Window()); })
      ->setShortcut(QKeySequence("Ctrl+P"));
  AddCommand(file, "mi_fileConfig", "E&instellungen", [this](Context& context) {
    FileConfig(context);
    graph_->update();  // the configured background colour
  });
  file->addSeparator();
  for (int n = 1; n <= kRecentEntries; ++n) {
    std::string name = "mi_file" + std::to_string(n);
    recentItems_[static_cast<size_t>(n - 1)] =
        AddCommand(file, name.c_str(), "", [n](Context& context) { FileOpenRecent(context, n); });
  }
  recentSeparator_ = file->addSeparator();
  QAction* exit = file->addAction(Caption("&Beenden"));
  exit->setObjectName("mi_fileExit");
  connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::BuildEditMenu() {
  QMenu* edit = AddMenu("mi_edit", "&Bearbeiten");
  undoItem_ = AddCommand(edit, "mi_editUndo", "R&ückgängig", EditUndo);
  undoItem_->setShortcut(QKeySequence("Ctrl+Z"));
  redoItem_ = AddCommand(edit, "mi_editRedo", "Wieder&holen", EditRedo);
  redoItem_->setShortcut(QKeySequence("Ctrl+Y"));
  edit->addSeparator();
  AddCommand(edit, "mi_editText", "Te&xt", EditText);
  AddCommand(edit, "mi_editGeometrie", "&Geometrie", EditGeometry);
  AddCommand(edit, "mi_editWerkstoff", "&Werkstoff", SelectMaterial);
  AddCommand(edit, "mi_editBerechnung", "&Berechnung", EditArcDivision);
  AddCommand(edit, "mi_editReset", "&Rücksetzen", EditReset);
}

void MainWindow::BuildViewMenus() {
  QMenu* view = AddMenu("mi_view", "&Ansicht");
  AddCommand(view, "mi_viewStandard", "&Standardausdruck", [](Context& c) { ViewReport(c, kReportStandard); });
  AddCommand(view, "mi_viewAuszug", "&Auszug", [](Context& c) { ViewReport(c, kReportExtract); });
  AddCommand(view, "mi_viewAlle", "A&lle Ergebnisse", [](Context& c) { ViewFullReport(c); });
  view->addSeparator();
  AddCommand(view, "mi_viewGrafik", "&Grafik", [](Context& c) { ViewOnScreen(c, ViewNumber::GeometryWithTable); });
  AddCommand(view, "mi_viewTabelle", "&Tabelle", [](Context& c) { ViewOnScreen(c, ViewNumber::Table); });
  AddCommand(view, "mi_viewZeichnung", "&Zeichnung", [](Context& c) { ViewOnScreen(c, ViewNumber::DrawingSheet); });
  view->addSeparator();
  view->addSeparator();
  QAction* solid = view->addAction(Caption("3D-&Körper"));
  solid->setObjectName("mi_viewBody3d");
  connect(solid, &QAction::triggered, this, &MainWindow::ShowBodyView);
  view->addSeparator();
  errorMessagesItem_ = AddCommand(view, "mi_viewErrorMessages", "&Fehlermeldungen", ViewErrorMessages);

  QMenu* cad = AddMenu("mi_cad", "&CAD");
  AddCommand(cad, "mi_cadGrafik", "&Grafik", [](Context& c) { ViewOnCadTarget(c, ViewNumber::GeometryWithTable); });
  AddCommand(cad, "mi_cadPolylinie", "Pol&ylinie", [](Context& c) { ViewOnCadTarget(c, ViewNumber::Geometry1); });
  AddCommand(cad, "mi_cadTabelle", "&Tabelle", [](Context& c) { ViewOnCadTarget(c, ViewNumber::Table); });
  AddCommand(cad, "mi_cadZeichnung", "&Zeichnung", [](Context& c) { ViewOnCadTarget(c, ViewNumber::DrawingSheet); });
  cad->addSeparator();
  for (const CadFormat& format : CadFormats()) {
    if (!format.IsPage()) continue;
    const CadMenuItem& item = *format.pageMenuItem;
    AddCommand(cad, item.name, captions_.Text(item.caption).c_str(),
               [code = format.code](Context& c) { DrawingOnTarget(c, code); });
  }
  cad->addSeparator();
  AddCommand(cad, "mi_cadStep", "Körper als ST&EP...", [](Context& c) { CadSolidFile(c, SolidJob::Step); });
  AddCommand(cad, "mi_cadStl", "Körper als ST&L...", [](Context& c) { CadSolidFile(c, SolidJob::Stl); });
}

void MainWindow::BuildDocumentMenus() {
  AddCommand(AddMenu("mi_database", "Datenban&k"), "mi_databaseWerkstoff", "&Werkstoff", EditMaterialTable);

  QMenu* documentation = AddMenu("mi_documentation", "D&okument");
  AddCommand(documentation, "mi_docInfo", "&Zeichnungsdaten", DocumentationInfo);
  AddCommand(documentation, "mi_docShowChanges", "Änderungen - &Info", DocumentationShowChanges);
  AddCommand(documentation, "mi_docPrintChanges", "Änderungen - &Ausdruck", DocumentationPrintChanges);
  AddCommand(documentation, "mi_docNewChange", "&Neue Änderung", DocumentationNewChange);
  AddCommand(documentation, "mi_docModifyChange", "Letzte Änderung &bearbeiten", DocumentationModifyChange);
  AddCommand(documentation, "mi_docDeleteChange", "Letzte Änderung &löschen", DocumentationDeleteChange);
  documentation->addSeparator();
  for (size_t n = 1; n <= kLinkedDocumentCount; ++n) {
    std::string name = "mi_docDocument" + std::to_string(n);
    std::string caption = "D&okument &" + std::to_string(n);
    AddCommand(documentation, name.c_str(), caption.c_str(), [n](Context& context) { DocumentationOpen(context, n); });
  }
  AddCommand(documentation, "mi_docSetup", "Dokument &Setup", DocumentationSetup);

  QMenu* ole = AddMenu("mi_ole", "&OLE");
  AddCommand(ole, "mi_oleStartExcel", "Start Excel", OleStartExcel);
  oleExportItem_ = AddCommand(ole, "mi_oleExport", "Export KALO -> Excel", OleExport);
  oleImportItem_ = AddCommand(ole, "mi_oleImport", "Import Excel -> KALO", OleImport);
  AddCommand(ole, "mi_olePrintout", "Printout -> Excel", OlePrintout);
}

void MainWindow::BuildHelpMenu() {
  QMenu* help = AddMenu("mi_help", "&Hilfe");
  AddCommand(help, "mi_helpHilfebild", "&Hilfebild", BrowseHelpPictures);
  AddCommand(help, "mi_helpErrorMessages", "&Fehlermeldungen", HelpErrorMessages);
  QMenu* language = AddMenu("mi_helpLanguage", "Menü &Sprache", help);
  for (auto [caption, number] : kLanguageMenuItems) {
    std::string name = "mi_lang" + std::string(caption + 1);  // "mi_langDeutsch" ...
    AddCommand(language, name.c_str(), caption,
               [this, number = number](Context& context) { SetLanguage(context, captions_, number); });
  }
  help->addSeparator();
  AddCommand(help, "mi_helpWebPage", "&Homepage", HelpWebPage);
  AddCommand(help, "mi_helpEmail", "&E-Mail", HelpEmail);
  help->addSeparator();
  AddCommand(help, "mi_helpDemo", "&Demo", HelpDemo);
  AddCommand(help, "mi_helpHistory", "&History", HelpHistory);
  AddCommand(help, "mi_helpAbout", "&Info", HelpAbout);
}

void MainWindow::ShowBodyView() {
  if (!bodyView_) bodyView_ = new BodyViewWindow(context_, this);
  bodyView_->Follow();
  bodyView_->show();
  bodyView_->raise();
}

void MainWindow::UpdateMenus() {
  if (bodyView_ && bodyView_->isVisible()) bodyView_->Follow();
  FollowLanguage();
  bool plain = context_.config.specialCharacters == SpecialCharacters::PlainLetters;
  MainMenuState menu = CurrentMenuState(context_, captions_);
  // The platform's modified marker ("*") stands where "[*]" is while the body is modified.
  setWindowTitle(Caption(menu.title) + " [*]");
  setWindowModified(context_.state.modified);
  for (size_t i = 0; i < recentItems_.size(); ++i) {
    recentItems_[i]->setText(Shown(menu.recentCaptions[i], plain));
    recentItems_[i]->setVisible(!menu.recentCaptions[i].empty());
  }
  recentSeparator_->setVisible(menu.recentSeparatorVisible);
  errorMessagesItem_->setText(Caption(menu.errorMessagesCaption));
  errorMessagesItem_->setEnabled(menu.errorMessagesEnabled);
  undoItem_->setEnabled(menu.undoEnabled);
  redoItem_->setEnabled(menu.redoEnabled);
  oleExportItem_->setEnabled(menu.spreadsheetLinked);
  oleImportItem_->setEnabled(menu.spreadsheetLinked);
  statusBar()->showMessage(Shown(menu.status, plain));
  startPage_->ShowPage(CurrentStartPage(context_), plain);
}

void MainWindow::ApplyConfiguredSize() {
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  // The menu bar above the drawing and the status line below it.
  int barsHeight = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
  // Room for the window frame and the title bar, which the window system adds.
  constexpr int kFrameWidth = 16, kTitleHeight = 40;
  WindowSize client = InitialClientSize(
      context_.config, {available.width() - kFrameWidth, available.height() - kTitleHeight - barsHeight});
  resize(client.width, client.height + barsHeight);
  QPoint position = kInitialPosition + available.topLeft();
  if (position.x() + width() + kFrameWidth > available.right()) position.setX(available.left());
  if (position.y() + height() + kTitleHeight > available.bottom()) position.setY(available.top());
  move(position);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  context_.state.StartCommand();
  if (!CloseQuery(context_)) {
    UpdateMenus();
    event->ignore();
    return;
  }
  DeleteTemporaryFiles(context_);
  event->accept();
}

}  // namespace kalo
