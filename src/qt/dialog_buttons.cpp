#include "qt/dialog_buttons.h"

#include <QPushButton>

#include "qt/qt_text.h"

namespace kalo {
namespace {

void AddHelpButton(QDialogButtonBox* buttons, const char* name, const QString& text, const HelpHandler& help,
                   HelpKind kind) {
  QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
  button->setObjectName(name);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, buttons, [help, kind] { help(kind); });
}

}  // namespace

QDialogButtonBox* OkCancelButtons(QDialog* dialog, const HelpHandler& help) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("Button_ok");
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  buttons->button(QDialogButtonBox::Ok)->setText(Labelled("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(Labelled("Abbrechen"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("Button_cancel");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  AddHelpButtons(buttons, help);
  return buttons;
}

void AddHelpButtons(QDialogButtonBox* buttons, const HelpHandler& help) {
  if (!help) return;
  AddHelpButton(buttons, "Button_helptext", Labelled("&Hilfetext"), help, HelpKind::Text);
  AddHelpButton(buttons, "Button_helppicture", Labelled("Hilfe&bild"), help, HelpKind::Picture);
}

void AddHelpTextButton(QDialogButtonBox* buttons, const std::string& utf8, const HelpHandler& help) {
  if (help) AddHelpButton(buttons, "Button_help", Labelled(utf8), help, HelpKind::Text);
}

}  // namespace kalo
