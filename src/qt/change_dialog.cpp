#include "qt/change_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "qt/qt_text.h"

namespace kalo {

ChangeDialog::ChangeDialog(ChangeForm& form, const HelpHandler& help, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("Aenderung");
  setWindowTitle(Labelled(form.caption));
  auto* layout = new QFormLayout(this);
  title_ = AddEdit("Edit_title", form.title, kChangeTitleLength);
  date_ = AddEdit("Edit_date", form.date, kChangeDateLength);
  editor_ = AddEdit("Edit_editor", form.editor, kChangeEditorLength);
  description_ = new QPlainTextEdit(FromUtf8(form.description), this);
  description_->setObjectName("Memo_description");

  auto* today = new QPushButton(Labelled(form.todayCaption), this);
  today->setObjectName("Button_date");
  today->setAutoDefault(false);
  connect(today, &QPushButton::clicked, this, [this] {
    form_.TodayClick();
    date_->setText(FromUtf8(form_.date));
  });
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(date_);
  dateRow->addWidget(today);

  layout->addRow(Labelled(form.titleCaption), title_);
  layout->addRow(Labelled(form.dateCaption), dateRow);
  layout->addRow(Labelled(form.editorCaption), editor_);
  layout->addRow(Labelled(form.descriptionCaption), description_);
  QDialogButtonBox* buttons = OkCancelButtons(this);
  AddHelpTextButton(buttons, "&Hilfe", help);
  layout->addRow(buttons);
}

QLineEdit* ChangeDialog::AddEdit(const char* name, const std::string& text, size_t maxLength) {
  auto* edit = new QLineEdit(FromUtf8(text), this);
  edit->setObjectName(name);
  edit->setMaxLength(static_cast<int>(maxLength));
  return edit;
}

void ChangeDialog::accept() {
  form_.title = ToUtf8(title_->text());
  form_.date = ToUtf8(date_->text());
  form_.editor = ToUtf8(editor_->text());
  form_.description = ToUtf8(description_->toPlainText());
  QDialog::accept();
}

}  // namespace kalo
