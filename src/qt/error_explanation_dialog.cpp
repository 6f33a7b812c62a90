#include "qt/error_explanation_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

ErrorExplanationDialog::ErrorExplanationDialog(ErrorExplanationForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("Thelperr");
  setWindowTitle(Labelled(form.caption));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(Labelled("Fehlermeldung"), this);
  label->setObjectName("Label_meldung");
  auto* message = new QLineEdit(FromUtf8(form.Edit_meldung), this);
  message->setObjectName("Edit_meldung");
  message->setReadOnly(true);
  layout->addWidget(label);
  layout->addWidget(message);
  cause_ = AddMemo("Memo_ursache", "Ursache", form.Memo_ursache);
  remedy_ = AddMemo("Memo_abhilfe", "Abhilfe", form.Memo_abhilfe);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  QPushButton* help = buttons->addButton(Labelled("&Hilfe"), QDialogButtonBox::ActionRole);
  help->setObjectName("Button_help");
  help->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { form_.Button_helpClick(); });
  layout->addWidget(buttons);
  form_.changed = false;
}

QPlainTextEdit* ErrorExplanationDialog::AddMemo(const char* name, const char* label, const std::string& text) {
  auto* caption = new QLabel(Labelled(label), this);
  caption->setObjectName(QString("Label_") + (name + 5));
  auto* memo = new QPlainTextEdit(FromUtf8(text), this);
  memo->setObjectName(name);
  memo->setMinimumWidth(420);
  memo->setFixedHeight(4 * memo->fontMetrics().lineSpacing() + 12);
  connect(memo, &QPlainTextEdit::textChanged, this, [this] { form_.Memo_change(); });
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->addWidget(caption);
  layout->addWidget(memo);
  return memo;
}

void ErrorExplanationDialog::accept() {
  form_.Memo_ursache = ToUtf8(cause_->toPlainText());
  form_.Memo_abhilfe = ToUtf8(remedy_->toPlainText());
  form_.Button_okClick();
  QDialog::accept();
}

}  // namespace kalo
