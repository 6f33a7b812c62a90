#pragma once
// A message with its cause and remedy; the memos can be edited, and "OK" offers
// to save a change before it closes the window.
#include <QDialog>
#include <QPlainTextEdit>

#include "help/error_explanation_form.h"

namespace kalo {

class ErrorExplanationDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ErrorExplanationDialog(ErrorExplanationForm& form, QWidget* parent = nullptr);

  void accept() override;

 private:
  QPlainTextEdit* AddMemo(const char* name, const char* label, const std::string& text);

  ErrorExplanationForm& form_;
  QPlainTextEdit* cause_;
  QPlainTextEdit* remedy_;
};

}  // namespace kalo
