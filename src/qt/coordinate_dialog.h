#pragma once
// The window of the coordinate form: x, y and the arc angle of one element, the spin
// button to the previous and next element and the unit switch.
#include <QDialog>

#include "edit/coordinate_form.h"

class QLabel;
class QLineEdit;

namespace kalo {

class CoordinateDialog : public QDialog {
  Q_OBJECT

 public:
  CoordinateDialog(CoordinateForm& form, bool plainLetters, QWidget* parent = nullptr);

  void accept() override;

 private:
  // The typed texts into the form, the form's action, and the form shown again.
  void Run(void (CoordinateForm::*action)());
  void TakeEdits();
  void ShowForm();

  CoordinateForm& form_;
  bool plainLetters_;
  QLabel *labelX_, *labelY_, *labelW_, *unitX_, *unitY_, *unitW_;
  QLineEdit *editX_, *editY_, *editW_;
};

}  // namespace kalo
