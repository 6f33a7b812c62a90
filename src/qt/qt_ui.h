#pragma once
// The Ui with real windows: message boxes, questions, the standard dialogs and one window
// per form model.
#include "config/configuration.h"
#include "platform/ui.h"

class QWidget;

namespace kalo {

class QtUi : public Ui {
 public:
  // Texts are shown through the display conversion of this configuration.
  explicit QtUi(const Configuration& config) : config_(config) {}
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

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

 private:
  bool PlainLetters() const { return config_.specialCharacters == 1; }

  const Configuration& config_;
  QWidget* parent_ = nullptr;
};

}  // namespace kalo
