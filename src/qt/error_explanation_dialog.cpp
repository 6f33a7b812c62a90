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
  setObjectName("ErrorExplanationDialog");
  setWindowTitle(Labelled(form.caption));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(Labelled("Fehlermeldung"), this);
  label->setObjectName("Label_meldung");
  auto* message = new QLineEdit(FromUtf8(form.messageText), this);
  message->setObjectName("Edit_meldung");
  message->setReadOnly(true);
  layout->addWidget(label);
  layout->addWidget(message);
  cause_ = AddMemo("Memo_ursache", "Ursache", form.cause);
  remedy_ = AddMemo("Memo_abhilfe", "Abhilfe", form.remedy);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  QPushButton* help = buttons->addButton(Labelled("&Hilfe"), QDialogButtonBox::ActionRole);
  help->setObjectName("Button_help");
  help->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { form_.HelpClick(); });
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
  connect(memo, &QPlainTextEdit::textChanged, this, [this] { form_.MemoChanged(); });
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->addWidget(caption);
  layout->addWidget(memo);
  return memo;
}

void ErrorExplanationDialog::accept() {
  form_.cause = ToUtf8(cause_->toPlainText());
  form_.remedy = ToUtf8(remedy_->toPlainText());
  form_.OkClick();
  QDialog::accept();
}

}  // namespace kalo
