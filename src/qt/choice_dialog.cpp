#include "qt/choice_dialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/dialog_buttons.h"

namespace kalo {

ChoiceDialog::ChoiceDialog(const QString& title, const QStringList& items, int index, QWidget* parent,
                           const HelpHandler& help)
    : QDialog(parent) {
  if (index < 0 || index >= items.size()) index = 0;
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(title, this);
  label->setWordWrap(true);
  label->setMinimumHeight(39);
  layout->addWidget(label);
  if (items.size() <= kMaxRadioItems) {
    setObjectName("ChoiceDialog");
    radios_ = new QButtonGroup(this);
    for (int i = 0; i < items.size(); ++i) {
      auto* radio = new QRadioButton(items[i], this);
      radios_->addButton(radio, i);
      layout->addWidget(radio);
    }
    if (!items.isEmpty()) radios_->button(index)->setChecked(true);
  } else {
    setObjectName("CodeChoiceDialog");
    list_ = new QListWidget(this);
    list_->addItems(items);
    list_->setCurrentRow(index);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(list_);
  }
  layout->addWidget(OkCancelButtons(this, help));
}

int ChoiceDialog::Chosen() const { return list_ ? list_->currentRow() : radios_->checkedId(); }

}  // namespace kalo
