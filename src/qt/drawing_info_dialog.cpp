#include "qt/drawing_info_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

DrawingInfoDialog::DrawingInfoDialog(DrawingInfoForm& form, const HelpHandler& help, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("Zeichnungsinfo");
  setWindowTitle(Labelled(form.caption));
  auto* layout = new QVBoxLayout(this);

  auto* replacements = new QFormLayout;
  replaces_ = AddEdit("Edit_ersatz", form.replaces, static_cast<int>(kReplacementLength));
  replacedBy_ = AddEdit("Edit_ersetzt", form.replacedBy, static_cast<int>(kReplacementLength));
  replacements->addRow(Labelled(form.replacesCaption), replaces_);
  replacements->addRow(Labelled(form.replacedByCaption), replacedBy_);
  layout->addLayout(replacements);

  auto* signatureGrid = new QGridLayout;
  for (size_t column = 0; column < 2; ++column)
    signatureGrid->addWidget(new QLabel(Labelled(form.signatureHeadings[column]), this), 0, static_cast<int>(column) + 1);
  for (size_t row = 0; row < kSignatureRows; ++row) {
    const DrawingInfoForm::SignatureRow& cells = form.signatures[row];
    int gridRow = static_cast<int>(row) + 1;
    QString suffix = QString::number(row + 1);
    signatureGrid->addWidget(new QLabel(Labelled(cells.heading), this), gridRow, 0);
    signatures_[row][0] = AddEdit("Edit_date" + suffix, cells.date, static_cast<int>(kSignatureFieldLength));
    signatures_[row][1] = AddEdit("Edit_name" + suffix, cells.name, static_cast<int>(kSignatureFieldLength));
    signatureGrid->addWidget(signatures_[row][0], gridRow, 1);
    signatureGrid->addWidget(signatures_[row][1], gridRow, 2);
    auto* today = new QPushButton(Labelled(form.todayCaption), this);
    today->setObjectName("Button_date" + suffix);
    today->setAutoDefault(false);
    connect(today, &QPushButton::clicked, this, [this, row] {
      form_.TodayClick(row);
      signatures_[row][0]->setText(FromUtf8(form_.signatures[row].date));
    });
    signatureGrid->addWidget(today, gridRow, 3);
  }
  layout->addLayout(signatureGrid);

  auto* textGrid = new QGridLayout;
  for (size_t column = 0; column < kTextColumns; ++column)
    textGrid->addWidget(new QLabel(Labelled(form.textHeadings[column]), this), 0, static_cast<int>(column) + 1);
  for (size_t row = 0; row < kMaxPlacedTexts; ++row) {
    int gridRow = static_cast<int>(row) + 1;
    textGrid->addWidget(new QLabel(QString::number(gridRow), this), gridRow, 0);
    for (size_t column = 0; column < kTextColumns; ++column) {
      bool isText = column + 1 == kTextColumns;
      QString name = QString("Grid_text_%1_%2").arg(row + 1).arg(column + 1);
      texts_[row][column] = AddEdit(name, form.texts[row][column], isText ? static_cast<int>(kPlacedTextLength) : 30);
      textGrid->addWidget(texts_[row][column], gridRow, static_cast<int>(column) + 1);
    }
  }
  textGrid->setColumnStretch(static_cast<int>(kTextColumns), 4);
  layout->addLayout(textGrid);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  AddHelpTextButton(buttons, "&Hilfe", help);
  layout->addWidget(buttons);
}

QLineEdit* DrawingInfoDialog::AddEdit(const QString& name, const std::string& text, int maxLength) {
  auto* edit = new QLineEdit(FromUtf8(text), this);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  return edit;
}

void DrawingInfoDialog::accept() {
  form_.replaces = ToUtf8(replaces_->text());
  form_.replacedBy = ToUtf8(replacedBy_->text());
  for (size_t row = 0; row < kSignatureRows; ++row) {
    form_.signatures[row].date = ToUtf8(signatures_[row][0]->text());
    form_.signatures[row].name = ToUtf8(signatures_[row][1]->text());
  }
  for (size_t row = 0; row < kMaxPlacedTexts; ++row)
    for (size_t column = 0; column < kTextColumns; ++column) form_.texts[row][column] = ToUtf8(texts_[row][column]->text());
  QDialog::accept();
}

}  // namespace kalo
