#include "qt/coordinate_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <tuple>

#include "qt/qt_text.h"

namespace kalo {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QPushButton* Button(QDialog* dialog, const char* name, const std::string& caption, bool plainLetters) {
  auto* button = Named(new QPushButton(Shown(caption, plainLetters), dialog), name);
  button->setAutoDefault(false);
  return button;
}

QToolButton* SpinButton(QDialog* dialog, const char* name, Qt::ArrowType arrow) {
  auto* button = Named(new QToolButton(dialog), name);
  button->setArrowType(arrow);
  return button;
}

}  // namespace

CoordinateDialog::CoordinateDialog(CoordinateForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent),
      form_(form),
      plainLetters_(plainLetters),
      labelX_(Named(new QLabel(this), "Label_y")),
      labelY_(Named(new QLabel(this), "Label_z")),
      labelW_(Named(new QLabel(this), "Label_w")),
      unitX_(Named(new QLabel(this), "Label_yu")),
      unitY_(Named(new QLabel(this), "Label_zu")),
      unitW_(Named(new QLabel(this), "Label_wu")),
      editX_(Named(new QLineEdit(this), "Edit_y")),
      editY_(Named(new QLineEdit(this), "Edit_z")),
      editW_(Named(new QLineEdit(this), "Edit_w")) {
  setObjectName("CoordinateForm");
  auto* grid = new QGridLayout(this);
  int row = 0;
  for (auto [label, edit, unit] : {std::tuple{labelX_, editX_, unitX_}, std::tuple{labelY_, editY_, unitY_},
                                   std::tuple{labelW_, editW_, unitW_}}) {
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(unit, row, 2);
    ++row;
  }
  auto* spin = new QHBoxLayout;
  QToolButton* down = SpinButton(this, "SpinButton_down", Qt::UpArrow);
  QToolButton* up = SpinButton(this, "SpinButton_up", Qt::DownArrow);
  down->setToolTip(Labelled("vorheriges Element"));
  up->setToolTip(Labelled("nächstes Element"));
  spin->addWidget(down);
  spin->addWidget(up);
  spin->addStretch();
  QPushButton* metric = Button(this, "Button_metric", form.unitSwitchCaption, plainLetters);
  spin->addWidget(metric);
  grid->addLayout(spin, row++, 0, 1, 3);

  auto* buttons = new QHBoxLayout;
  QPushButton* ok = Button(this, "Button_ok", form.okCaption, plainLetters);
  ok->setDefault(true);
  QPushButton* cancel = Button(this, "Button_cancel", form.cancelCaption, plainLetters);
  QPushButton* help = Button(this, "Button_help", form.helpCaption, plainLetters);
  QPushButton* picture = Button(this, "Button_hilfebild", form.helpPictureCaption, plainLetters);
  for (QPushButton* button : {ok, cancel, help, picture}) buttons->addWidget(button);
  grid->addLayout(buttons, row, 0, 1, 3);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { form_.HelpClick(); });
  connect(picture, &QPushButton::clicked, this, [this] { Run(&CoordinateForm::HelpPictureClick); });
  connect(metric, &QPushButton::clicked, this, [this] { Run(&CoordinateForm::UnitSwitchClick); });
  connect(down, &QToolButton::clicked, this, [this] { Run(&CoordinateForm::SpinDownClick); });
  connect(up, &QToolButton::clicked, this, [this] { Run(&CoordinateForm::SpinUpClick); });
  ShowForm();
}

void CoordinateDialog::TakeEdits() {
  form_.xText = Typed(editX_->text());
  form_.yText = Typed(editY_->text());
  form_.angleText = Typed(editW_->text());
}

void CoordinateDialog::ShowForm() {
  setWindowTitle(Shown(form_.caption, plainLetters_));
  labelX_->setText(Shown(form_.xCaption, plainLetters_));
  labelY_->setText(Shown(form_.yCaption, plainLetters_));
  labelW_->setText(Shown(form_.angleCaption, plainLetters_));
  unitX_->setText(Shown(form_.xUnit, plainLetters_));
  unitY_->setText(Shown(form_.yUnit, plainLetters_));
  unitW_->setText(Shown(form_.angleUnit, plainLetters_));
  editX_->setText(Shown(form_.xText, plainLetters_));
  editY_->setText(Shown(form_.yText, plainLetters_));
  editW_->setText(Shown(form_.angleText, plainLetters_));
}

void CoordinateDialog::Run(void (CoordinateForm::*action)()) {
  TakeEdits();
  (form_.*action)();
  ShowForm();
}

void CoordinateDialog::accept() {
  TakeEdits();
  if (form_.OkClick()) QDialog::accept();
}

}  // namespace kalo
