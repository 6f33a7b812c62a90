#pragma once
// A Ui for tests: records every message and answers questions and prompts from scripts.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/help_commands.h"
#include "platform/ui.h"
#include "support/temp_dir.h"

namespace kalo::testing {

class ScriptedUi : public Ui {
 public:
  struct Message {
    std::string caption;
    std::string text;
  };

  // Messages are kept as the user reads them: file names without the marks that carry
  // them through the conversions (platform/codepage.h).
  void MessageBox(const std::string& caption, const std::string& text) override {
    std::string shown;
    for (char c : text)
      if (c != '\x0E' && c != '\x0F') shown += c;
    messages.push_back({caption, shown});
  }
  Answer Question(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) return Answer::Cancel;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool AskText(const std::string& prompt, int, std::string& value) override {
    prompts.push_back(prompt);
    return TakeText(value);
  }
  bool AskSaveFileName(const std::string&, const std::string&, std::string& path) override { return TakeText(path); }
  bool AskOpenFileName(const std::string&, const std::string&, std::string& path) override { return TakeText(path); }
  void ShowLines(const std::vector<std::string>& lines) override { shownLines = lines; }
  // The DXF import's preview window, when a test gives one: it sees the form and answers.
  bool HasDxfImportPreview() const override { return static_cast<bool>(dxfImportForm); }
  bool ShowDxfImportForm(DxfImportForm& form) override { return dxfImportForm(form); }
  std::function<bool(DxfImportForm&)> dxfImportForm;
  bool AskChoice(const std::string& caption, const std::vector<std::string>& items, int& index) override {
    choiceCaptions.push_back(caption);
    choiceItems = items;
    preselections.push_back(index);
    if (choices.empty()) return false;
    index = choices.front();
    choices.pop_front();
    return true;
  }
  // Shown and printed files are recorded with their content at that moment.
  void ShowTextFile(const std::string& path) override { shownTextFiles.push_back({path, ReadBytes(path)}); }
  bool PrintTextFile(const std::string& path) override {
    printedTextFiles.push_back({path, ReadBytes(path)});
    return printSucceeds;
  }
  void SetWaitCursor(bool) override {}
  bool ShowDrawingTextForm(DrawingTextForm& form) override { return onDrawingTextForm && onDrawingTextForm(form); }
  bool EditDiagramLimits(DiagramLimitsForm& form) override { return onDiagramLimits && onDiagramLimits(form); }
  bool ShowElementList(ElementListForm& form) override { return onElementList && onElementList(form); }
  bool ShowCoordinateForm(CoordinateForm& form) override { return onCoordinateForm && onCoordinateForm(form); }
  bool ShowConfigDialog(SettingsForm& form) override { return onConfigDialog && onConfigDialog(form); }
  bool AskYesNoChoice(YesNoChoiceForm& form) override { return onYesNoChoice && onYesNoChoice(form); }
  bool AskDirectory(SelectDirForm& form) override { return onSelectDir && onSelectDir(form); }
  bool AskColour(SelectColourForm& form) override { return onSelectColour && onSelectColour(form); }
  void ShowErrorExplanation(ErrorExplanationForm& form) override {
    if (onErrorExplanation) onErrorExplanation(form);
  }
  bool ShowHelpPictureBrowser(HelpPictureForm& form) override {
    return onHelpPictureBrowser && onHelpPictureBrowser(form);
  }
  bool ShowPlotCommandForm(PlotCommandForm& form) override { return onPlotCommandForm && onPlotCommandForm(form); }
  bool ShowDemoStep(const std::string& text, int milliseconds) override {
    demoSteps.push_back({text, milliseconds});
    return onDemoStep && onDemoStep(text);
  }
  void SendGraphicsKey(int virtualKey) override { graphicsKeys.push_back(virtualKey); }
  void SetDemonstration(bool running) override { demonstration = running; }
  void Beep() override { ++beeps; }
  void ShowNotice(const std::string& text) override { notices.push_back(text); }
  void ShowAboutBox(const AboutBox& box) override { aboutBoxes.push_back(box); }
  void SetMainCaption(const std::string& text) override { mainCaptions.push_back(text); }
  bool ContinueLongStep() override { return !onLongStep || onLongStep(); }
  bool ShowDataFileTable(DataFileOverviewForm& form) override { return onDataFileTable && onDataFileTable(form); }
  bool ShowTableBrowser(TableBrowserForm& form) override { return onTableBrowser && onTableBrowser(form); }
  bool ShowPrintForm(PrintForm& form) override { return onPrintForm && onPrintForm(form); }
  std::string PrinterName() override { return printerName; }
  bool ChoosePrinter(PrinterChoice& printer) override { return onChoosePrinter && onChoosePrinter(printer); }
  bool PrintGraphics(const GraphicsPrintJob& job) override { return onPrintGraphics && onPrintGraphics(job); }
  bool EditDrawingInformation(DrawingInfoForm& form) override { return onDrawingInformation && onDrawingInformation(form); }
  bool EditChange(ChangeForm& form) override { return onChange && onChange(form); }
  bool EditDocumentSetup(DocumentSetupForm& form) override { return onDocumentSetup && onDocumentSetup(form); }
  bool OpenWithDesktop(const std::string& pathOrUrl) override {
    desktopOpened.push_back(pathOrUrl);
    return desktopOpens;
  }

  // Windows: a test sets what the user does in the window (fill the form, return OK).
  std::function<bool(DrawingTextForm&)> onDrawingTextForm;
  std::function<bool(DiagramLimitsForm&)> onDiagramLimits;
  std::function<bool(ElementListForm&)> onElementList;
  std::function<bool(CoordinateForm&)> onCoordinateForm;
  std::function<bool(SettingsForm&)> onConfigDialog;
  std::function<bool(YesNoChoiceForm&)> onYesNoChoice;
  std::function<bool(SelectDirForm&)> onSelectDir;
  std::function<bool(SelectColourForm&)> onSelectColour;
  std::function<void(ErrorExplanationForm&)> onErrorExplanation;
  std::function<bool(HelpPictureForm&)> onHelpPictureBrowser;
  std::function<bool(DataFileOverviewForm&)> onDataFileTable;
  std::function<bool(TableBrowserForm&)> onTableBrowser;
  // Asked between the steps of a long command; false stands for Esc.
  std::function<bool()> onLongStep;
  std::function<bool(PlotCommandForm&)> onPlotCommandForm;
  std::function<bool(const std::string&)> onDemoStep;  // false ends the demonstration
  std::function<bool(PrintForm&)> onPrintForm;
  std::function<bool(PrinterChoice&)> onChoosePrinter;
  std::function<bool(const GraphicsPrintJob&)> onPrintGraphics;
  std::string printerName;
  std::function<bool(DrawingInfoForm&)> onDrawingInformation;
  std::function<bool(ChangeForm&)> onChange;
  std::function<bool(DocumentSetupForm&)> onDocumentSetup;

  // Scripts: answers to questions, and texts for prompts and file dialogs (a missing
  // entry cancels).
  std::deque<Answer> answers;
  std::deque<std::string> texts;
  std::deque<int> choices;  // chosen item indexes
  bool printSucceeds = true;
  bool desktopOpens = false;  // what the window system's own opener answers
  int beeps = 0;

  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::vector<std::string> prompts;
  std::vector<std::string> notices;
  std::vector<AboutBox> aboutBoxes;
  std::vector<std::string> mainCaptions;
  struct DemoStepShown {
    std::string text;
    int milliseconds = 0;
  };
  std::vector<DemoStepShown> demoSteps;
  std::vector<int> graphicsKeys;
  std::vector<std::string> desktopOpened;  // files and addresses handed to the window system
  std::vector<std::string> shownLines;
  std::vector<std::string> choiceCaptions;
  std::vector<std::string> choiceItems;
  std::vector<int> preselections;  // the preselected index of each choice
  struct ShownFile {
    std::string path;
    std::string content;
  };
  std::vector<ShownFile> shownTextFiles;
  bool demonstration = false;  // a demonstration runs: windows do not wait
  std::vector<ShownFile> printedTextFiles;

 private:
  bool TakeText(std::string& value) {
    if (texts.empty()) return false;
    value = texts.front();
    texts.pop_front();
    return true;
  }
};

}  // namespace kalo::testing
