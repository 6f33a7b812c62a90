#include "qt/print_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

PrintDialog::PrintDialog(PrintForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent), form_(form), plainLetters_(plainLetters) {
  setObjectName("PrintDialog");
  const PrintForm::Captions& c = form.captions;
  setWindowTitle(Text(c.window));
  auto* grid = new QGridLayout(this);
  int row = 0;
  struct EditRow {
    const std::string& caption;
    const char* name;
    QLineEdit*& edit;
  };
  for (const EditRow& edit : {EditRow{c.scaleX, "Edit_scalex", scaleX_}, EditRow{c.scaleY, "Edit_scaley", scaleY_},
                              EditRow{c.originX, "Edit_originx", originX_},
                              EditRow{c.originY, "Edit_originy", originY_}}) {
    grid->addWidget(new QLabel(Text(edit.caption), this), row, 0);
    grid->addWidget(edit.edit = AddEdit(edit.name), row++, 1);
  }
  grid->addWidget(border_ = AddCheckBox("CheckBox_umrandung", c.border), row++, 0, 1, 2);
  grid->addWidget(fit_ = AddCheckBox("CheckBox_anpassen", c.fit), row++, 0, 1, 2);

  QWidget* shadingBox = nullptr;
  QWidget* orientationBox = nullptr;
  shading_ = AddRadioGroup("RadioGroup_schattierung", c.shading, c.monochrome, c.colour, shadingBox);
  orientation_ = AddRadioGroup("RadioGroup_ausdruck", c.orientation, c.portrait, c.landscape, orientationBox);
  grid->addWidget(shadingBox, 0, 2, 3, 1);
  grid->addWidget(orientationBox, 3, 2, 3, 1);

  printer_ = new QLabel(this);
  printer_->setObjectName("Label_printer");
  grid->addWidget(printer_, row++, 0, 1, 3);

  QPushButton* ok = AddButton("Button_ok", c.ok);
  ok->setDefault(true);
  QPushButton* cancel = AddButton("Button_cancel", c.cancel);
  QPushButton* help = AddButton("Button_help", c.help);
  QPushButton* printer = AddButton("Button_printer", c.printer);
  QPushButton* table = AddButton("Button_database", c.table);
  QPushButton* store = AddButton("Button_store", c.store);
  auto* buttons = new QGridLayout;
  buttons->addWidget(ok, 0, 0);
  buttons->addWidget(cancel, 0, 1);
  buttons->addWidget(help, 0, 2);
  buttons->addWidget(printer, 1, 0);
  buttons->addWidget(table, 1, 1);
  buttons->addWidget(store, 1, 2);
  grid->addLayout(buttons, row, 0, 1, 3);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { form_.HelpClick(); });
  connect(printer, &QPushButton::clicked, this, [this] { RunAction(&PrintForm::PrinterClick); });
  connect(table, &QPushButton::clicked, this, [this] { RunAction(&PrintForm::DatabaseClick); });
  connect(store, &QPushButton::clicked, this, [this] { RunAction(&PrintForm::StoreClick); });
  ShowFields();
}

QString PrintDialog::Text(const std::string& cp850) const { return Shown(cp850, plainLetters_); }

QLineEdit* PrintDialog::AddEdit(const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  return edit;
}

QCheckBox* PrintDialog::AddCheckBox(const char* name, const std::string& caption) {
  auto* box = new QCheckBox(Text(caption), this);
  box->setObjectName(name);
  return box;
}

QButtonGroup* PrintDialog::AddRadioGroup(const char* name, const std::string& caption, const std::string& first,
                                         const std::string& second, QWidget*& box) {
  auto* frame = new QGroupBox(Text(caption), this);
  frame->setObjectName(name);
  auto* layout = new QVBoxLayout(frame);
  auto* group = new QButtonGroup(frame);
  int id = 0;
  for (const std::string* item : {&first, &second}) {
    auto* button = new QRadioButton(Text(*item), frame);
    layout->addWidget(button);
    group->addButton(button, id++);
  }
  box = frame;
  return group;
}

QPushButton* PrintDialog::AddButton(const char* name, const std::string& caption) {
  auto* button = new QPushButton(Text(caption), this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

void PrintDialog::RunAction(void (PrintForm::*action)()) {
  TakeFields();
  (form_.*action)();
  ShowFields();
}

void PrintDialog::ShowFields() {
  scaleX_->setText(Text(form_.scaleX));
  scaleY_->setText(Text(form_.scaleY));
  originX_->setText(Text(form_.originX));
  originY_->setText(Text(form_.originY));
  border_->setChecked(form_.border);
  fit_->setChecked(form_.fitToPage);
  if (QAbstractButton* item = shading_->button(form_.coloursChoice)) item->setChecked(true);
  if (QAbstractButton* item = orientation_->button(form_.orientationChoice)) item->setChecked(true);
  printer_->setText(Text(form_.printerName));
}

void PrintDialog::TakeFields() {
  form_.scaleX = Typed(scaleX_->text());
  form_.scaleY = Typed(scaleY_->text());
  form_.originX = Typed(originX_->text());
  form_.originY = Typed(originY_->text());
  form_.border = border_->isChecked();
  form_.fitToPage = fit_->isChecked();
  form_.coloursChoice = shading_->checkedId() == 1 ? 1 : 0;
  form_.orientationChoice = orientation_->checkedId() == 1 ? 1 : 0;
}

void PrintDialog::accept() {
  TakeFields();
  if (!form_.OkClick()) return;
  QDialog::accept();
}

}  // namespace kalo
