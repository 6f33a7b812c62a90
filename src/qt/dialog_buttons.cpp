#include "qt/dialog_buttons.h"

#include <QPushButton>

namespace kalo {

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("Button_ok");
  buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("Button_cancel");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace kalo
