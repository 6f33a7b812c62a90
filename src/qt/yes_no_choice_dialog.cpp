#include "qt/yes_no_choice_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

YesNoChoiceDialog::YesNoChoiceDialog(YesNoChoiceForm& form, QWidget* parent, const HelpHandler& help)
    : QDialog(parent), form_(form), yes_(new QRadioButton(Labelled("&Ja"))) {
  setObjectName("YesNoChoiceDialog");
  setWindowTitle(Labelled(form.caption));
  auto* prompt = new QLabel(Labelled(form.prompt), this);
  prompt->setObjectName("Label_prompt");
  prompt->setWordWrap(true);
  prompt->setFixedWidth(250);
  auto* group = new QGroupBox(Labelled("Auswahl"), this);
  group->setObjectName("RadioGroup_auswahl");
  auto* no = new QRadioButton(Labelled("&Nein"));
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
