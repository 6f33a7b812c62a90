#include "qt/qt_ui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include "app/help_commands.h"
#include "context/context.h"
#include "help/help_text.h"
#include "qt/about_box.h"
#include "qt/change_dialog.h"
#include "qt/choice_dialog.h"
#include "qt/config_dialog.h"
#include "qt/coordinate_dialog.h"
#include "qt/data_file_table_dialog.h"
#include "qt/demo_caption.h"
#include "qt/diagram_limits_dialog.h"
#include "qt/document_setup_dialog.h"
#include "qt/drawing_info_dialog.h"
#include "qt/drawing_text_dialog.h"
#include "qt/dxf_import_dialog.h"
#include "qt/element_list_dialog.h"
#include "qt/error_explanation_dialog.h"
#include "qt/escape_watch.h"
#include "qt/help_picture_dialog.h"
#include "qt/lines_dialog.h"
#include "qt/plot_command_dialog.h"
#include "qt/print_dialog.h"
#include "qt/qt_text.h"
#include "qt/screen_fit.h"
#include "qt/select_colour_dialog.h"
#include "qt/select_dir_dialog.h"
#include "qt/table_browser_dialog.h"
#include "qt/text_prompt_dialog.h"
#include "qt/text_window.h"
#include "qt/yes_no_choice_dialog.h"
#include "report/text_printout.h"
#include "report/text_window_form.h"

namespace kalo {
namespace {

// "*.kal|*.kal|*.*|*.*" (description and pattern pairs) as Qt writes filters.
QString QtFilter(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
  return filters.join(";;");
}

// The frame the window system puts around a window: its borders and the title bar.
constexpr int kFrameWidth = 8, kFrameHeight = 30;

// The drawing area of the main window, else the window's own area.
QWidget& ClientOf(QWidget& window) {
  auto* main = qobject_cast<QMainWindow*>(&window);
  return main && main->centralWidget() ? *main->centralWidget() : window;
}
QSize ClientSize(QWidget& window) { return ClientOf(window).size(); }
// The client area asked for, as far as the screen has room for the window around it.
void ResizeClient(QWidget& window, QSize client) {
  ResizeWithinScreen(window, window.size() + client - ClientSize(window));
}

}  // namespace

void QtUi::MessageBox(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, Shown(caption, PlainLetters()), ShownWhole(text, PlainLetters()),
                  QMessageBox::Ok, parent_);
  box.exec();
}

Answer QtUi::Question(const std::string& text) {
  QMessageBox::StandardButton answer =
      QMessageBox::question(parent_, Shown(ProgramTitleLine(), PlainLetters()), Shown(text, PlainLetters()),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  return answer == QMessageBox::Yes ? Answer::Yes : answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool QtUi::AskText(const std::string& prompt, int maxLength, std::string& value) {
  TextPromptDialog dialog(Shown(prompt, PlainLetters()), Shown(value, PlainLetters()), maxLength, parent_, Help());
  if (RunWithToolTip(dialog) != QDialog::Accepted) return false;
  value = Typed(dialog.Text());
  return true;
}

bool QtUi::AskSaveFileName(const std::string& directory, const std::string& filter, std::string& path) {
  QString chosen = QFileDialog::getSaveFileName(parent_, QString(), QString::fromStdString(directory + path),
                                                QtFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

bool QtUi::AskOpenFileName(const std::string& directory, const std::string& filter, std::string& path) {
  QString chosen = QFileDialog::getOpenFileName(parent_, QString(), QString::fromStdString(directory), QtFilter(filter));
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

void QtUi::ShowLines(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown << Shown(line, PlainLetters());
  LinesDialog dialog(kProgramName, shown, parent_, Help());
  dialog.exec();
}

bool QtUi::AskChoice(const std::string& caption, const std::vector<std::string>& items, int& index) {
  QStringList shown;
  for (const std::string& item : items) shown << Shown(item, PlainLetters());
  ChoiceDialog dialog(Shown(caption, PlainLetters()), shown, index, parent_, Help());
  if (RunWithToolTip(dialog) != QDialog::Accepted) return false;
  index = dialog.Chosen();
  return true;
}

void QtUi::ShowTextFile(const std::string& path) {
  if (!context_) return;
  auto form = std::make_unique<TextWindowForm>(*context_, path);
  if (!form->Loaded()) return;
  auto window = std::make_unique<TextWindow>(
      *form, [this](const std::vector<std::string>& lines) { textPrinter_.Print(*context_, lines, parent_); }, parent_);
  if (!demonstration_) {
    window->exec();
    return;
  }
  // The demonstration goes on: the window stays on show for the step without waiting.
  CloseDemoTextWindow();
  demoTextWindow_ = window.release();
  demoTextForm_ = std::move(form);
  demoTextWindow_->show();
}

void QtUi::SetDemonstration(bool running) {
  demonstration_ = running;
  if (!running) CloseDemoTextWindow();
}

void QtUi::CloseDemoTextWindow() {
  delete demoTextWindow_.data();
  demoTextForm_.reset();
}

bool QtUi::PrintTextFile(const std::string& path) {
  std::vector<std::string> lines;
  return context_ && ReadShownLines(*context_, path, false, lines) && textPrinter_.Print(*context_, lines, parent_);
}

void QtUi::SetWaitCursor(bool waiting) {
  if (waiting)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else if (QApplication::overrideCursor())
    QApplication::restoreOverrideCursor();
}

bool QtUi::ShowDrawingTextForm(DrawingTextForm& form) {
  DrawingTextDialog dialog(form, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUi::ShowElementList(ElementListForm& form) {
  ElementListDialog dialog(form, PlainLetters(), parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUi::ShowDxfImportForm(DxfImportForm& form) {
  DxfImportDialog dialog(form, PlainLetters(), parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUi::ShowCoordinateForm(CoordinateForm& form) {
  CoordinateDialog dialog(form, PlainLetters(), parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUi::EditDiagramLimits(DiagramLimitsForm& form) {
  HelpHandler help = Help();
  std::function<void()> helpText;
  if (help) helpText = [help] { help(HelpKind::Text); };
  DiagramLimitsDialog dialog(form, PlainLetters(), helpText, parent_);
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::ShowConfigDialog(SettingsForm& form) {
  ConfigDialog dialog(form, PlainLetters(), parent_);
  if (parent_) {
    QSize client = ClientSize(*parent_);
    form.metrics.mainWidth = parent_->frameGeometry().width();
    form.metrics.mainHeight = parent_->frameGeometry().height();
    form.metrics.mainClientWidth = client.width();
    form.metrics.mainClientHeight = client.height();
    form.resizeMainWindow = [this](int width, int height) { ResizeClient(*parent_, QSize(width, height)); };
  }
  if (QScreen* screen = dialog.screen()) {
    form.metrics.screenWidth = screen->geometry().width();
    form.metrics.screenHeight = screen->geometry().height();
    form.metrics.pixelsPerInchX = static_cast<int>(screen->logicalDotsPerInchX());
    form.metrics.pixelsPerInchY = static_cast<int>(screen->logicalDotsPerInchY());
  }
  dialog.ensurePolished();
  form.metrics.dialogClientWidth = dialog.sizeHint().width();
  form.metrics.dialogClientHeight = dialog.sizeHint().height();
  form.metrics.dialogWidth = form.metrics.dialogClientWidth + kFrameWidth;
  form.metrics.dialogHeight = form.metrics.dialogClientHeight + kFrameHeight;
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::AskYesNoChoice(YesNoChoiceForm& form) {
  YesNoChoiceDialog dialog(form, parent_, Help());
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::AskDirectory(SelectDirForm& form) {
  SelectDirDialog dialog(form, parent_, Help());
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::AskColour(SelectColourForm& form) {
  SelectColourDialog dialog(form, parent_, Help());
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

void QtUi::ShowErrorExplanation(ErrorExplanationForm& form) {
  ErrorExplanationDialog dialog(form, parent_);
  dialog.exec();
}

bool QtUi::ShowHelpPictureBrowser(HelpPictureForm& form) {
  HelpPictureDialog dialog(form, PlainLetters(), parent_);
  // First in the upper left of the main window, where the pictures leave room.
  if (!helpPicturePosition_ && parent_) helpPicturePosition_ = parent_->geometry().topLeft() + QPoint(20, 60);
  if (helpPicturePosition_) dialog.move(*helpPicturePosition_);
  bool request = dialog.exec() == QDialog::Accepted;
  helpPicturePosition_ = dialog.pos();
  return request;
}

bool QtUi::ShowPrintForm(PrintForm& form) {
  PrintDialog dialog(form, PlainLetters(), parent_);
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

std::string QtUi::PrinterName() { return Typed(graphicsPrinter_.Name()); }

bool QtUi::ChoosePrinter(PrinterChoice& printer) { return graphicsPrinter_.Choose(printer, parent_); }

bool QtUi::PrintGraphics(const GraphicsPrintJob& job) { return graphicsPrinter_.Print(job); }

bool QtUi::ShowPlotCommandForm(PlotCommandForm& form) {
  PlotCommandDialog dialog(form, PlainLetters(), parent_);
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::ShowDemoStep(const std::string& text, int milliseconds) {
  DemoCaption caption(Shown(text, PlainLetters()), parent_);
  bool goOn = caption.Run(milliseconds);
  CloseDemoTextWindow();  // the next step shows the graphics window again
  return goOn;
}

void QtUi::SendGraphicsKey(int virtualKey) { PressGraphicsKey(parent_, virtualKey); }

void QtUi::Beep() { QApplication::beep(); }

int QtUi::RunWithToolTip(QDialog& dialog) {
  std::string tip = context_ ? HelpToolTip(*context_, 0) : std::string();
  if (!tip.empty()) dialog.setToolTip(Shown(tip, PlainLetters()));
  return dialog.exec();
}

HelpHandler QtUi::Help() {
  if (!context_) return {};
  Context* context = context_;
  // Help pictures come with the text: mode 0 shows both.
  return [context](HelpKind kind) { ShowHelp(*context, 0, kind == HelpKind::Text ? 1 : 0); };
}

void QtUi::ShowNotice(const std::string& text) {
  delete notice_.data();
  if (text.empty()) return;
  auto* label = new QLabel(Shown(text, PlainLetters()), parent_, Qt::ToolTip);
  label->setObjectName("Notice");
  label->setMargin(12);
  notice_ = label;
  label->adjustSize();
  if (parent_) label->move(parent_->geometry().center() - label->rect().center());
  label->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::SetMainCaption(const std::string& text) {
  if (parent_) parent_->setWindowTitle(Shown(text, PlainLetters()));
}

bool QtUi::ContinueLongStep() { return !EscapeWatch::EscapePressed(); }

bool QtUi::ShowDataFileTable(DataFileOverviewForm& form) {
  DataFileTableDialog dialog(form, PlainLetters(), parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUi::ShowTableBrowser(TableBrowserForm& form) {
  TableBrowserDialog dialog(form, PlainLetters(), parent_);
  return dialog.exec() == QDialog::Accepted;
}

void QtUi::ShowAboutBox(const AboutBox& box) {
  QStringList lines;
  for (const std::string& line : box.lines) lines << Shown(line, PlainLetters());
  AboutDialog dialog(Shown(box.caption, PlainLetters()), lines, parent_);
  dialog.exec();
}

bool QtUi::EditDrawingInformation(DrawingInfoForm& form) {
  DrawingInfoDialog dialog(form, Help(), parent_);
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::EditChange(ChangeForm& form) {
  ChangeDialog dialog(form, Help(), parent_);
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::EditDocumentSetup(DocumentSetupForm& form) {
  DocumentSetupDialog dialog(form, Help(), parent_);
  return RunWithToolTip(dialog) == QDialog::Accepted;
}

bool QtUi::OpenWithDesktop(const std::string& pathOrUrl) {
  QString text = QString::fromStdString(pathOrUrl);
  QUrl url = text.contains("://") || text.startsWith("mailto:") ? QUrl(text) : QUrl::fromLocalFile(text);
  return QDesktopServices::openUrl(url);
}

}  // namespace kalo
