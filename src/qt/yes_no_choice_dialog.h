#pragma once
// A prompt and the radio group "Auswahl" with "&Ja" and "&Nein".
#include <QDialog>
#include <QRadioButton>

#include "dialogs/choice_forms.h"
#include "qt/dialog_buttons.h"

namespace kalo {

class YesNoChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  YesNoChoiceDialog(YesNoChoiceForm& form, QWidget* parent = nullptr, const HelpHandler& help = {});

  void accept() override;

 private:
  YesNoChoiceForm& form_;
  QRadioButton* yes_;
};

}  // namespace kalo
