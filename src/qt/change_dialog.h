#pragma once
// The window of one change: title, date with its "today" button, editor and the
// description memo, over the change form model.
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "doc/change_form.h"
#include "qt/dialog_buttons.h"

namespace kalo {

class ChangeDialog : public QDialog {
  Q_OBJECT

 public:
  ChangeDialog(ChangeForm& form, const HelpHandler& help, QWidget* parent = nullptr);

  void accept() override;

 private:
  QLineEdit* AddEdit(const char* name, const std::string& text, size_t maxLength);

  ChangeForm& form_;
  QLineEdit* title_ = nullptr;
  QLineEdit* date_ = nullptr;
  QLineEdit* editor_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
};

}  // namespace kalo
