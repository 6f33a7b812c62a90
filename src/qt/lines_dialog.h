#pragma once
// "TShowScreen": lines of text in a read-only memo with an "OK" button.
#include <QDialog>
#include <QStringList>

namespace kalo {

class LinesDialog : public QDialog {
  Q_OBJECT

 public:
  LinesDialog(const QString& title, const QStringList& lines, QWidget* parent = nullptr);
};

}  // namespace kalo
