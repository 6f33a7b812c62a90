#include "qt/diagram_limits_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/qt_text.h"

namespace kalo {
namespace {

QLabel* AddLabel(QDialog* dialog, const char* name, const QString& text) {
  auto* label = new QLabel(text, dialog);
  label->setObjectName(name);
  return label;
}

QPushButton* AddButton(QDialog* dialog, const char* name, const std::string& caption) {
  auto* button = new QPushButton(Labelled(caption), dialog);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

DiagramLimitsDialog::DiagramLimitsDialog(DiagramLimitsForm& form, bool plainLetters, std::function<void()> showHelp,
                                         QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("DiagramLimitsDialog");
  setWindowTitle(Shown(form.caption, plainLetters));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("min", this), 0, 1);
  grid->addWidget(new QLabel("max", this), 0, 2);
  grid->addWidget(AddLabel(this, "Label_x", Shown(form.xCaption, plainLetters)), 1, 0);
  grid->addWidget(xmin_ = AddEdit("Edit_xmin"), 1, 1);
  grid->addWidget(xmax_ = AddEdit("Edit_xmax"), 1, 2);
  grid->addWidget(AddLabel(this, "Label_y", Shown(form.yCaption, plainLetters)), 2, 0);
  grid->addWidget(ymin_ = AddEdit("Edit_ymin"), 2, 1);
  grid->addWidget(ymax_ = AddEdit("Edit_ymax"), 2, 2);

  QPushButton* ok = AddButton(this, "Button_ok", form.okCaption);
  ok->setDefault(true);
  QPushButton* cancel = AddButton(this, "Button_cancel", form.cancelCaption);
  QPushButton* help = AddButton(this, "Button_help", form.helpCaption);
  QPushButton* calc = AddButton(this, "Button_calc", form.calculateCaption);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {ok, cancel, help, calc}) buttons->addWidget(button);
  grid->addLayout(buttons, 3, 0, 1, 3);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(calc, &QPushButton::clicked, this, [this] {
    form_.CalculateClick();
    ShowEdits();
  });
  help->setEnabled(static_cast<bool>(showHelp));
  connect(help, &QPushButton::clicked, this, [showHelp] { showHelp(); });
  ShowEdits();
}

QLineEdit* DiagramLimitsDialog::AddEdit(const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  return edit;
}

void DiagramLimitsDialog::ShowEdits() {
  xmin_->setText(FromUtf8(form_.xMin));
  ymin_->setText(FromUtf8(form_.yMin));
  xmax_->setText(FromUtf8(form_.xMax));
  ymax_->setText(FromUtf8(form_.yMax));
}

void DiagramLimitsDialog::TakeEdits() {
  form_.xMin = Typed(xmin_->text());
  form_.yMin = Typed(ymin_->text());
  form_.xMax = Typed(xmax_->text());
  form_.yMax = Typed(ymax_->text());
}

void DiagramLimitsDialog::accept() {
  TakeEdits();
  form_.OkClick();
  QDialog::accept();
}

}  // namespace kalo
