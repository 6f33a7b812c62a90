#pragma once
// A radio group for up to seven items, a list for more.
#include <QButtonGroup>
#include <QDialog>
#include <QListWidget>

#include "qt/dialog_buttons.h"

namespace kalo {

class ChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxRadioItems = 7;

  // index: the preselected item, 0-based; an index outside the items selects the first.
  ChoiceDialog(const QString& title, const QStringList& items, int index, QWidget* parent = nullptr,
               const HelpHandler& help = {});
  int Chosen() const;
  bool UsesList() const { return list_ != nullptr; }

 private:
  QButtonGroup* radios_ = nullptr;
  QListWidget* list_ = nullptr;
};

}  // namespace kalo
