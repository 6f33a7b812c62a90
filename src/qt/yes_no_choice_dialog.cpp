#include "qt/yes_no_choice_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

YesNoChoiceDialog::YesNoChoiceDialog(YesNoChoiceForm& form, QWidget* parent, const HelpHandler& help)
    : QDialog(parent), form_(form), yes_(new QRadioButton("&Ja")) {
  setObjectName("YesNoChoiceDialog");
  setWindowTitle(FromUtf8(form.caption));
  auto* prompt = new QLabel(FromUtf8(form.prompt), this);
  prompt->setObjectName("Label_prompt");
  prompt->setWordWrap(true);
  prompt->setFixedWidth(250);
  auto* group = new QGroupBox("Auswahl", this);
  group->setObjectName("RadioGroup_auswahl");
  auto* no = new QRadioButton("&Nein");
  yes_->setObjectName("RadioButton_ja");
  no->setObjectName("RadioButton_nein");
  (form.yes ? yes_ : no)->setChecked(true);
  auto* radios = new QVBoxLayout(group);
  radios->addWidget(yes_);
  radios->addWidget(no);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(group);
  layout->addWidget(OkCancelButtons(this, help));
}

void YesNoChoiceDialog::accept() {
  form_.yes = yes_->isChecked();
  QDialog::accept();
}

}  // namespace kalo
