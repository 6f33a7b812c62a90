#pragma once
// The plot program's parameter window: program, format, interface,
// scale, rotation, offsets, text width and PostScript font, with the command line they
// compose shown below.
#include <QDialog>

#include "cad/plot_command_form.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalo {

class PlotCommandDialog : public QDialog {
  Q_OBJECT

 public:
  PlotCommandDialog(PlotCommandForm& form, bool plainLetters, QWidget* parent = nullptr);

 private:
  QLineEdit* Edit(const char* name, int helpNumber);
  QPushButton* Button(const char* name, const char* caption, void (PlotCommandForm::*action)());
  QButtonGroup* Radios(QWidget* box, const std::vector<std::string>& items, int helpNumber);
  void Tip(QWidget* widget, int helpNumber);
  // Every control into the model, the command line composed, the window shown again.
  void Changed();
  void TakeControls();
  void ShowForm();

  PlotCommandForm& form_;
  bool plainLetters_;
  bool showing_ = false;  // the window copies the model into the controls
  QLineEdit* path_ = nullptr;
  QButtonGroup* format_ = nullptr;
  QButtonGroup* interface_ = nullptr;
  QLineEdit* com_ = nullptr;
  QLineEdit* lpt_ = nullptr;
  QLineEdit* outdir_ = nullptr;
  QPushButton* outdirButton_ = nullptr;
  QPushButton* tempdirButton_ = nullptr;
  QLineEdit* scale_ = nullptr;
  QCheckBox* fitScale_ = nullptr;
  QCheckBox* rotate_ = nullptr;
  QLineEdit* xnull_ = nullptr;
  QLineEdit* ynull_ = nullptr;
  QLineEdit* textWidth_ = nullptr;
  QComboBox* psFont_ = nullptr;
  QLabel* commandLine_ = nullptr;
};

}  // namespace kalo
