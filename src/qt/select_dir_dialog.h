#pragma once
// The drive list, the current directory and the directories below it;
// a double click opens a directory.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>

#include "dialogs/select_dir_form.h"
#include "qt/dialog_buttons.h"

namespace kalo {

class SelectDirDialog : public QDialog {
  Q_OBJECT

 public:
  SelectDirDialog(SelectDirForm& form, QWidget* parent = nullptr, const HelpHandler& help = {});

 private:
  void ShowDirectory();

  SelectDirForm& form_;
  QComboBox* drives_;
  QLabel* directory_;
  QListWidget* list_;
};

}  // namespace kalo
