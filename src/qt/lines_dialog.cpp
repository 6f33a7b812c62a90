#include "qt/lines_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kalo {

LinesDialog::LinesDialog(const QString& title, const QStringList& lines, QWidget* parent, const HelpHandler& help)
    : QDialog(parent) {
  setObjectName("LinesDialog");
  setWindowTitle(title);
  auto* memo = new QPlainTextEdit(lines.join('\n'), this);
  memo->setObjectName("Memo1");
  memo->setReadOnly(true);
  memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo->setMinimumSize(600, 400);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  AddHelpButtons(buttons, help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo);
  layout->addWidget(buttons);
}

}  // namespace kalo
