#pragma once
// The diagram limits window (TEinDiagramLimits): the four limits of a diagram beside the
// axis texts, with "Calculate" bringing back the automatic limits.
#include <QDialog>
#include <functional>

#include "views/diagram_limits_form.h"

class QLineEdit;

namespace kalo {

class DiagramLimitsDialog : public QDialog {
  Q_OBJECT

 public:
  // showHelp is what "&Hilfetext" does; the form's texts are code page 850.
  DiagramLimitsDialog(DiagramLimitsForm& form, bool plainLetters, std::function<void()> showHelp,
                      QWidget* parent = nullptr);

  void accept() override;

 private:
  void ShowEdits();
  void TakeEdits();
  QLineEdit* AddEdit(const char* name);

  DiagramLimitsForm& form_;
  QLineEdit* xmin_ = nullptr;
  QLineEdit* ymin_ = nullptr;
  QLineEdit* xmax_ = nullptr;
  QLineEdit* ymax_ = nullptr;
};

}  // namespace kalo
