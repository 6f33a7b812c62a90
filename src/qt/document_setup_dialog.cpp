#include "qt/document_setup_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {
namespace {

QPushButton* BrowseButton(QWidget* parent, const QString& name) {
  auto* button = new QPushButton("...", parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QLabel* HintedLabel(QWidget* parent, const std::string& text, const std::string& hint) {
  auto* label = new QLabel(Labelled(text), parent);
  label->setToolTip(FromUtf8(hint));
  return label;
}

}  // namespace

DocumentSetupDialog::DocumentSetupDialog(DocumentSetupForm& form, const HelpHandler& help, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("DocumentSetup");
  setWindowTitle(Labelled(form.caption));
  auto* layout = new QVBoxLayout(this);
  for (size_t i = 0; i < kLinkedDocumentCount; ++i) {
    const DocumentSetupForm::Group& group = form.groups[i];
    QString number = QString::number(i + 1);
    auto* box = new QGroupBox(FromUtf8(group.caption), this);
    auto* grid = new QGridLayout(box);
    programs_[i] = new QLineEdit(box);
    programs_[i]->setObjectName("Edit_program" + number);
    files_[i] = new QLineEdit(box);
    files_[i]->setObjectName("Edit_file" + number);
    for (QLineEdit* edit : {programs_[i], files_[i]}) edit->setMaxLength(static_cast<int>(kLinkedDocumentFieldLength));
    QPushButton* browseProgram = BrowseButton(box, "Button_program" + number);
    QPushButton* browseFile = BrowseButton(box, "Button_file" + number);
    grid->addWidget(HintedLabel(box, group.programCaption, form.programHint), 0, 0);
    grid->addWidget(programs_[i], 0, 1);
    grid->addWidget(browseProgram, 0, 2);
    grid->addWidget(HintedLabel(box, group.fileCaption, form.fileHint), 1, 0);
    grid->addWidget(files_[i], 1, 1);
    grid->addWidget(browseFile, 1, 2);
    connect(browseProgram, &QPushButton::clicked, this, [this, i] {
      TakeEdits();
      form_.ProgramClick(i);
      ShowEdits();
    });
    connect(browseFile, &QPushButton::clicked, this, [this, i] {
      TakeEdits();
      form_.FileClick(i);
      ShowEdits();
    });
    layout->addWidget(box);
  }
  QDialogButtonBox* buttons = OkCancelButtons(this);
  AddHelpTextButton(buttons, "&Hilfetext", help);
  layout->addWidget(buttons);
  ShowEdits();
}

void DocumentSetupDialog::ShowEdits() {
  for (size_t i = 0; i < kLinkedDocumentCount; ++i) {
    programs_[i]->setText(FromUtf8(form_.groups[i].program));
    files_[i]->setText(FromUtf8(form_.groups[i].file));
  }
}

void DocumentSetupDialog::TakeEdits() {
  for (size_t i = 0; i < kLinkedDocumentCount; ++i) {
    form_.groups[i].program = ToUtf8(programs_[i]->text());
    form_.groups[i].file = ToUtf8(files_[i]->text());
  }
}

void DocumentSetupDialog::accept() {
  TakeEdits();
  QDialog::accept();
}

}  // namespace kalo
