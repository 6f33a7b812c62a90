#pragma once
// The Ui of the command line chains: messages go to the error stream, text screens to the
// output stream, and every question is answered as Cancel so that a batch run never waits.
#include <ostream>

#include "platform/ui.h"

namespace kalo {

class ConsoleUi : public Ui {
 public:
  ConsoleUi(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  void MessageBox(const std::string& caption, const std::string& text) override;
  Answer Question(const std::string& text) override;
  bool AskText(const std::string& prompt, int maxLength, std::string& value) override;
  bool AskSaveFileName(const std::string& directory, const std::string& filter, std::string& path) override;
  bool AskOpenFileName(const std::string& directory, const std::string& filter, std::string& path) override;
  void ShowLines(const std::vector<std::string>& lines) override;
  bool AskChoice(const std::string& caption, const std::vector<std::string>& items, int& index) override;
  void ShowTextFile(const std::string& path) override;
  bool PrintTextFile(const std::string& path) override;
  void SetWaitCursor(bool) override {}
  bool ShowDrawingTextForm(DrawingTextForm&) override { return false; }
  bool AskYesNoChoice(YesNoChoiceForm&) override { return false; }
  bool AskDirectory(SelectDirForm&) override { return false; }
  bool AskColour(SelectColourForm&) override { return false; }
  void ShowErrorExplanation(ErrorExplanationForm&) override {}

 private:
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace kalo
