#include "qt/text_prompt_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "qt/dialog_buttons.h"
#include "qt/qt_text.h"

namespace kalo {

TextPromptDialog::TextPromptDialog(const QString& prompt, const QString& value, int maxLength, QWidget* parent,
                                   const HelpHandler& help)
    : QDialog(parent), edit_(new QLineEdit(value, this)) {
  setObjectName("TextPromptDialog");
  setWindowTitle(Labelled("Eingabe"));
  setSizeGripEnabled(true);
  auto* label = new QLabel(prompt, this);
  label->setWordWrap(true);
  label->setMinimumSize(300, 33);
  edit_->setObjectName("Edit_text");
  edit_->setMaxLength(maxLength);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(edit_);
  layout->addWidget(OkCancelButtons(this, help));
}

}  // namespace kalo
