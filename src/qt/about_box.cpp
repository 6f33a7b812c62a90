#include "qt/about_box.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalo {

AboutDialog::AboutDialog(const QString& caption, const QStringList& lines, QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    auto* label = new QLabel(lines[i], this);
    label->setObjectName(QString("Label_%1").arg(i + 1));
    label->setAlignment(Qt::AlignHCenter);
    if (i == 0) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    }
    layout->addWidget(label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
  buttons->setCenterButtons(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addSpacing(8);
  layout->addWidget(buttons);
}

}  // namespace kalo
