#include "qt/drawing_text_dialog.h"

#include <QFormLayout>

#include "qt/dialog_buttons.h"
#include "qt/qt_text.h"

namespace kalo {

DrawingTextDialog::DrawingTextDialog(DrawingTextForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("DrawingTextDialog");
  setWindowTitle(Labelled(form.caption));
  auto* layout = new QFormLayout(this);
  for (size_t i = 0; i < form.fields.size(); ++i) {
    const FormField& field = form.fields[i];
    edits_[i] = new QLineEdit(FromUtf8(field.text), this);
    edits_[i]->setObjectName(QString::fromStdString(field.name));
    edits_[i]->setMaxLength(static_cast<int>(field.maxLength));
    edits_[i]->setMinimumWidth(static_cast<int>(field.maxLength) * fontMetrics().averageCharWidth());
    layout->addRow(Labelled(field.label), edits_[i]);
  }
  layout->addRow(OkCancelButtons(this));
}

void DrawingTextDialog::accept() {
  for (size_t i = 0; i < edits_.size(); ++i) form_.fields[i].text = ToUtf8(edits_[i]->text());
  QDialog::accept();
}

}  // namespace kalo
