#include "qt/select_dir_dialog.h"

#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {

SelectDirDialog::SelectDirDialog(SelectDirForm& form, QWidget* parent, const HelpHandler& help)
    : QDialog(parent), form_(form), drives_(new QComboBox(this)), directory_(new QLabel(this)),
      list_(new QListWidget(this)) {
  setObjectName("SelectDirDialog");
  setWindowTitle(Labelled(form.caption));
  drives_->setObjectName("DriveComboBox1");
  for (const std::string& drive : form.Drives()) drives_->addItem(FromUtf8(drive));
  directory_->setObjectName("Label_directory");
  list_->setObjectName("DirectoryListBox1");
  list_->setMinimumSize(320, 240);
  connect(drives_, &QComboBox::textActivated, this, [this](const QString& drive) {
    form_.DriveComboBox_change(ToUtf8(drive));
    ShowDirectory();
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    form_.DirectoryListBox_open(ToUtf8(item->text()));
    ShowDirectory();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(drives_);
  layout->addWidget(directory_);
  layout->addWidget(list_);
  layout->addWidget(OkCancelButtons(this, help));
  ShowDirectory();
}

void SelectDirDialog::ShowDirectory() {
  drives_->setCurrentText(FromUtf8(form_.Drive()));
  directory_->setText(FromUtf8(form_.Directory()));
  list_->clear();
  for (const std::string& entry : form_.Entries()) list_->addItem(FromUtf8(entry));
}

}  // namespace kalo
