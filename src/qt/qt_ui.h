#pragma once
// The Ui with real windows: message boxes, questions, the standard dialogs and one window
// per form model.
#include <QPoint>
#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "context/configuration.h"
#include "platform/ui.h"
#include "qt/dialog_buttons.h"
#include "qt/graphics_printer.h"
#include "qt/text_printer.h"
#include "report/text_window_form.h"

namespace kalo {

struct Context;

class QtUi : public Ui {
 public:
  // Texts are shown through the display conversion of this configuration.
  explicit QtUi(const Configuration& config) : config_(&config) {}
  // The configuration of the context made after this Ui, which serves from now on.
  void SetConfiguration(const Configuration& config) { config_ = &config; }
  void SetParentWindow(QWidget* parent) { parent_ = parent; }
  // The program context that the text window and text printouts work in; without it they
  // show and print nothing.
  void SetContext(Context& context) { context_ = &context; }
  // Where text printouts go (the system's printer after the print dialog unless set).
  TextPrinter& TextPrinting() { return textPrinter_; }
  // Where graphics printouts go (the system's printer unless set).
  GraphicsPrinter& GraphicsPrinting() { return graphicsPrinter_; }

  void MessageBox(const std::string& caption, const std::string& text) override;
  Answer Question(const std::string& text) override;
  bool AskText(const std::string& prompt, int maxLength, std::string& value) override;
  bool AskSaveFileName(const std::string& directory, const std::string& filter, std::string& path) override;
  bool AskOpenFileName(const std::string& directory, const std::string& filter, std::string& path) override;
  void ShowLines(const std::vector<std::string>& lines) override;
  bool AskChoice(const std::string& caption, const std::vector<std::string>& items, int& index) override;
  void ShowTextFile(const std::string& path) override;
  bool PrintTextFile(const std::string& path) override;
  void SetWaitCursor(bool waiting) override;
  bool ShowDrawingTextForm(DrawingTextForm& form) override;
  bool ShowElementList(TForm_einarray& form) override;
  bool HasDxfImportPreview() const override { return true; }
  bool ShowDxfImportForm(DxfImportForm& form) override;
  bool ShowCoordinateForm(TForm_einkoord& form) override;
  bool EditDiagramLimits(DiagramLimitsForm& form) override;
  bool ShowConfigDialog(Tconfig& form) override;
  bool AskYesNoChoice(YesNoChoiceForm& form) override;
  bool AskDirectory(SelectDirForm& form) override;
  bool AskColour(SelectColourForm& form) override;
  void ShowErrorExplanation(ErrorExplanationForm& form) override;
  bool ShowHelpPictureBrowser(HelpPictureForm& form) override;
  bool ShowPlotCommandForm(TForm_confpenplot& form) override;
  bool ShowDemoStep(const std::string& text, int milliseconds) override;
  void SendGraphicsKey(int virtualKey) override;
  void SetDemonstration(bool running) override;
  void Beep() override;
  void ShowNotice(const std::string& text) override;
  void ShowAboutBox(const AboutBox& box) override;
  void SetMainCaption(const std::string& text) override;
  bool ContinueLongStep() override;
  bool ShowDataFileTable(TForm_preview& form) override;
  bool ShowTableBrowser(Tdbf4& form) override;
  bool EditDrawingInformation(DrawingInfoForm& form) override;
  bool EditChange(ChangeForm& form) override;
  bool EditDocumentSetup(DocumentSetupForm& form) override;
  bool OpenWithDesktop(const std::string& pathOrUrl) override;
  bool ShowPrintForm(PrintForm& form) override;
  std::string PrinterName() override;
  bool ChoosePrinter(PrinterChoice& printer) override;
  bool PrintGraphics(const GraphicsPrintJob& job) override;

 private:
  bool PlainLetters() const { return config_->specialCharacters == 1; }
  // The help buttons of the dialogs show the help of the context's current help number;
  // without a context the dialogs have none.
  HelpHandler Help();
  // Runs a dialog of a help step; with a help level above 0 the step's help text is the
  // dialog's tooltip.
  int RunWithToolTip(QDialog& dialog);
  void CloseDemoTextWindow();

  const Configuration* config_;
  QWidget* parent_ = nullptr;
  Context* context_ = nullptr;
  TextPrinter textPrinter_;
  GraphicsPrinter graphicsPrinter_;
  QPointer<QWidget> notice_;  // the notice on show; its parent window may delete it first
  std::optional<QPoint> helpPicturePosition_;  // where the help picture browser was last
  bool demonstration_ = false;
  // The text window a demonstration step opened, and its form.
  QPointer<QWidget> demoTextWindow_;
  std::unique_ptr<TextWindowForm> demoTextForm_;
};

}  // namespace kalo
