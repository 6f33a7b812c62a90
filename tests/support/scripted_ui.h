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

  void MessageBox(const std::string& caption, const std::string& text) override {
    messages.push_back({caption, text});
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
  bool ShowElementList(TForm_einarray& form) override { return onElementList && onElementList(form); }
  bool ShowCoordinateForm(TForm_einkoord& form) override { return onCoordinateForm && onCoordinateForm(form); }
  bool ShowConfigDialog(Tconfig& form) override { return onConfigDialog && onConfigDialog(form); }
  bool AskYesNoChoice(YesNoChoiceForm& form) override { return onYesNoChoice && onYesNoChoice(form); }
  bool AskDirectory(SelectDirForm& form) override { return onSelectDir && onSelectDir(form); }
  bool AskColour(SelectColourForm& form) override { return onSelectColour && onSelectColour(form); }
  void ShowErrorExplanation(ErrorExplanationForm& form) override {
    if (onErrorExplanation) onErrorExplanation(form);
  }
  bool ShowHelpPictureBrowser(HelpPictureForm& form) override {
    return onHelpPictureBrowser && onHelpPictureBrowser(form);
  }
  void Beep() override { ++beeps; }
  void ShowNotice(const std::string& text) override { notices.push_back(text); }
  void ShowAboutBox(const AboutBox& box) override { aboutBoxes.push_back(box); }

  // Windows: a test sets what the user does in the window (fill the form, return OK).
  std::function<bool(DrawingTextForm&)> onDrawingTextForm;
  std::function<bool(DiagramLimitsForm&)> onDiagramLimits;
  std::function<bool(TForm_einarray&)> onElementList;
  std::function<bool(TForm_einkoord&)> onCoordinateForm;
  std::function<bool(Tconfig&)> onConfigDialog;
  std::function<bool(YesNoChoiceForm&)> onYesNoChoice;
  std::function<bool(SelectDirForm&)> onSelectDir;
  std::function<bool(SelectColourForm&)> onSelectColour;
  std::function<void(ErrorExplanationForm&)> onErrorExplanation;
  std::function<bool(HelpPictureForm&)> onHelpPictureBrowser;

  // Scripts: answers to questions, and texts for prompts and file dialogs (a missing
  // entry cancels).
  std::deque<Answer> answers;
  std::deque<std::string> texts;
  std::deque<int> choices;  // chosen item indexes
  bool printSucceeds = true;
  int beeps = 0;

  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::vector<std::string> prompts;
  std::vector<std::string> notices;
  std::vector<AboutBox> aboutBoxes;
  std::vector<std::string> shownLines;
  std::vector<std::string> choiceCaptions;
  std::vector<std::string> choiceItems;
  std::vector<int> preselections;  // the preselected index of each choice
  struct ShownFile {
    std::string path;
    std::string content;
  };
  std::vector<ShownFile> shownTextFiles;
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
