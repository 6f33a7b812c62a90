#include "qt/select_colour_dialog.h"

#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

SelectColourDialog::SelectColourDialog(SelectColourForm& form, QWidget* parent, const HelpHandler& help)
    : QDialog(parent), form_(form), list_(new QListWidget(this)) {
  setObjectName("SelectColourDialog");
  setWindowTitle(Labelled(form.caption));
  list_->setObjectName("ListBox_colour");
  for (const std::string& entry : form.entries) list_->addItem(Labelled(entry));
  list_->setCurrentRow(form.row);
  list_->setMinimumHeight(list_->sizeHintForRow(0) * static_cast<int>(form.entries.size()) + 4);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(OkCancelButtons(this, help));
}

void SelectColourDialog::accept() {
  if (list_->currentRow() >= 0) form_.row = list_->currentRow();
  QDialog::accept();
}

}  // namespace kalo
