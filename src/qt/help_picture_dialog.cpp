#include "qt/help_picture_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {
namespace {

QPushButton* AddButton(QLayout* layout, const char* name, const char* caption) {
  auto* button = new QPushButton(Labelled(caption));
  button->setObjectName(name);
  button->setAutoDefault(false);
  layout->addWidget(button);
  return button;
}

}  // namespace

HelpPictureDialog::HelpPictureDialog(HelpPictureForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent, Qt::Tool), form_(form), list_(new QComboBox(this)) {
  setObjectName("HelpPictureDialog");
  setWindowTitle(Shown(form.Caption(), plainLetters));
  list_->setObjectName("ListBox1");
  for (const std::string& line : form.Lines()) list_->addItem(Shown(line, plainLetters));
  list_->setCurrentIndex(form.Selected());
  list_->setMinimumContentsLength(60);
  connect(list_, &QComboBox::activated, this, [this](int line) {
    form_.ListBox1Click(line);
    accept();
  });

  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addWidget(SpinButton());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(CommandButtons());
}

void HelpPictureDialog::Request(void (HelpPictureForm::*action)()) {
  (form_.*action)();
  accept();
}

QWidget* HelpPictureDialog::SpinButton() {
  auto* spin = new QWidget(this);
  spin->setObjectName("SpinButton1");
  auto* layout = new QVBoxLayout(spin);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (auto [name, arrow, action] : {std::tuple{"SpinButton1Up", Qt::UpArrow, &HelpPictureForm::SpinUpClick},
                                     std::tuple{"SpinButton1Down", Qt::DownArrow, &HelpPictureForm::SpinDownClick}}) {
    auto* button = new QToolButton(spin);
    button->setObjectName(name);
    button->setArrowType(arrow);
    connect(button, &QToolButton::clicked, this, [this, action] { Request(action); });
    layout->addWidget(button);
  }
  return spin;
}

QWidget* HelpPictureDialog::CommandButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  QPushButton* ok = AddButton(layout, "Button_ok", "OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::reject);
  connect(AddButton(layout, "Button_help", "&Hilfe"), &QPushButton::clicked, this, [this] { form_.HelpClick(); });
  for (auto [name, caption, action] :
       {std::tuple{"Button_neu", "&Neu", &HelpPictureForm::NewClick},
        std::tuple{"Button_aendern", "&Ändern", &HelpPictureForm::ChangeClick},
        std::tuple{"Button_einfuegen", "&Einfügen", &HelpPictureForm::InsertClick},
        std::tuple{"Button_loeschen", "&Löschen", &HelpPictureForm::DeleteClick}})
    connect(AddButton(layout, name, caption), &QPushButton::clicked, this, [this, action] { Request(action); });
  return row;
}

}  // namespace kalo
