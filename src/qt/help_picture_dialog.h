#pragma once
// The tool window of the help picture browser. Choosing a line, the spin
// button or a command button closes it with a request; OK (also Escape) closes the browser.
#include <QComboBox>
#include <QDialog>

#include "help/help_picture_form.h"

namespace kalo {

class HelpPictureDialog : public QDialog {
  Q_OBJECT

 public:
  HelpPictureDialog(HelpPictureForm& form, bool plainLetters, QWidget* parent = nullptr);

 private:
  // Carries out the form's action and closes the window with its request.
  void Request(void (HelpPictureForm::*action)());
  QWidget* SpinButton();
  QWidget* CommandButtons();

  HelpPictureForm& form_;
  QComboBox* list_;
};

}  // namespace kalo
