#include "qt/select_colour_dialog.h"

#include <QPixmap>
#include <QVBoxLayout>

#include "graphics/colours.h"
#include "qt/qt_text.h"

namespace kalo {
namespace {

QIcon Sample(int aci) {
  Rgb rgb = PaletteColour(GetColorTurbo(aci));
  QPixmap pixmap(16, 16);
  pixmap.fill(QColor(rgb.red, rgb.green, rgb.blue));
  return QIcon(pixmap);
}

}  // namespace

SelectColourDialog::SelectColourDialog(SelectColourForm& form, QWidget* parent, const HelpHandler& help)
    : QDialog(parent), form_(form), list_(new QListWidget(this)) {
  setObjectName("TForm_selectcolor");
  setWindowTitle(FromUtf8(form.caption));
  list_->setObjectName("ListBox_colour");
  for (size_t i = 0; i < form.entries.size(); ++i)
    list_->addItem(new QListWidgetItem(Sample(static_cast<int>(i) + 1), FromUtf8(form.entries[i])));
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
