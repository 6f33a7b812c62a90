#pragma once
// The list of the sixteen AutoCAD colours "1 (rot)" .. "16 (schwarz)".
#include <QDialog>
#include <QListWidget>

#include "dialogs/choice_forms.h"
#include "qt/dialog_buttons.h"

namespace kalo {

class SelectColourDialog : public QDialog {
  Q_OBJECT

 public:
  SelectColourDialog(SelectColourForm& form, QWidget* parent = nullptr, const HelpHandler& help = {});

  void accept() override;

 private:
  SelectColourForm& form_;
  QListWidget* list_;
};

}  // namespace kalo
