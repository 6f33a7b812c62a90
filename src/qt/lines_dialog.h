#pragma once
// Lines of text in a read-only memo with an "OK" button.
#include <QDialog>
#include <QStringList>

#include "qt/dialog_buttons.h"

namespace kalo {

class LinesDialog : public QDialog {
  Q_OBJECT

 public:
  LinesDialog(const QString& title, const QStringList& lines, QWidget* parent = nullptr, const HelpHandler& help = {});
};

}  // namespace kalo
