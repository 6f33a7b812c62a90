#include "qt/element_list_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {
namespace {

QPushButton* AddButton(QDialog* dialog, QLayout* layout, const char* name, const std::string& caption,
                       bool plainLetters) {
  auto* button = new QPushButton(Shown(caption, plainLetters), dialog);
  button->setObjectName(name);
  button->setAutoDefault(false);
  layout->addWidget(button);
  return button;
}

}  // namespace

ElementListDialog::ElementListDialog(ElementListForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent), form_(form), list_(new QListWidget(this)) {
  setObjectName("ElementListForm");
  setWindowTitle(Shown(form.caption, plainLetters));
  list_->setObjectName("ListBox1");
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  for (const std::string& line : form.ListBox1) list_->addItem(Shown(line, plainLetters));
  if (form.selected > 0) list_->setCurrentRow(form.selected - 1);
  list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(66, 'x')), 300);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Close(ElementListAction::DoubleClick); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  auto* warnings = new QLabel(this);
  warnings->setObjectName("Label_warnings");
  QStringList shown;
  for (const std::string& warning : form.warnings) shown << Shown(warning, plainLetters);
  warnings->setText(shown.join('\n'));
  warnings->setStyleSheet("color: #a04000");
  warnings->setVisible(!shown.isEmpty());
  layout->addWidget(warnings);

  auto* edits = new QHBoxLayout;
  const std::pair<const char*, std::pair<std::string, ElementListAction>> actions[] = {
      {"Button_neu", {form.newCaption, ElementListAction::Append}},
      {"Button_aendern", {form.changeCaption, ElementListAction::Change}},
      {"Button_einfuegen", {form.insertCaption, ElementListAction::Insert}},
      {"Button_loeschen", {form.deleteCaption, ElementListAction::Delete}},
      {"Button_156", {form.transformCaption, ElementListAction::Transform}},
  };
  for (const auto& [name, action] : actions) {
    QPushButton* button = AddButton(this, edits, name, action.first, plainLetters);
    connect(button, &QPushButton::clicked, this, [this, which = action.second] { Close(which); });
  }
  QPushButton* paste = AddButton(this, edits, "Button_paste", form.pasteCaption, plainLetters);
  connect(paste, &QPushButton::clicked, this, [this] {
    form_.pastedText = ToUtf8(QApplication::clipboard()->text());
    Close(ElementListAction::Paste);
  });
  layout->addLayout(edits);

  auto* closing = new QHBoxLayout;
  QPushButton* ok = AddButton(this, closing, "Button_ok", form.okCaption, plainLetters);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { Close(ElementListAction::Ok); });
  QPushButton* cancel = AddButton(this, closing, "Button_cancel", form.cancelCaption, plainLetters);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  QPushButton* help = AddButton(this, closing, "Button_help", form.helpCaption, plainLetters);
  connect(help, &QPushButton::clicked, this, [this] { form_.HelpClick(); });
  QPushButton* picture = AddButton(this, closing, "Button_hilfebild", form.helpPictureCaption, plainLetters);
  connect(picture, &QPushButton::clicked, this, [this] { form_.HelpPictureClick(); });
  QPushButton* errors = AddButton(this, closing, "Button_error", form.errorListCaption, plainLetters);
  errors->setVisible(form.errorListVisible);
  connect(errors, &QPushButton::clicked, this, [this] { form_.ErrorListClick(); });
  layout->addLayout(closing);
}

void ElementListDialog::Close(ElementListAction action) {
  form_.selected = list_->selectedItems().isEmpty() ? 0 : list_->currentRow() + 1;
  form_.action = action;
  accept();
}

}  // namespace kalo
