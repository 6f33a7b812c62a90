#pragma once
// The print dialog "Ausdruck": scales, origins, border, fit, shading and orientation of the
// graphics printout, the printer's name, and the buttons that choose the printer and take
// named settings from or into the settings table.
#include <QDialog>

#include "print/print_form.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalo {

class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  // The form's texts are code page 850.
  PrintDialog(PrintForm& form, bool plainLetters, QWidget* parent = nullptr);

  void accept() override;

 private:
  QString Text(const std::string& cp850) const;
  QLineEdit* AddEdit(const char* name);
  QCheckBox* AddCheckBox(const char* name, const std::string& caption);
  QButtonGroup* AddRadioGroup(const char* name, const std::string& caption, const std::string& first,
                              const std::string& second, QWidget*& box);
  QPushButton* AddButton(const char* name, const std::string& caption);
  // Runs a button's action with the typed values and shows the form again.
  void RunAction(void (PrintForm::*action)());
  void ShowFields();
  void TakeFields();

  PrintForm& form_;
  bool plainLetters_;
  QLineEdit* scaleX_ = nullptr;
  QLineEdit* scaleY_ = nullptr;
  QLineEdit* originX_ = nullptr;
  QLineEdit* originY_ = nullptr;
  QCheckBox* border_ = nullptr;
  QCheckBox* fit_ = nullptr;
  QButtonGroup* shading_ = nullptr;
  QButtonGroup* orientation_ = nullptr;
  QLabel* printer_ = nullptr;
};

}  // namespace kalo
