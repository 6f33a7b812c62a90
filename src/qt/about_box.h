#pragma once
// The information box: the program's lines and one "OK" button.
#include <QDialog>
#include <QStringList>

namespace kalo {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  // The caption and the lines as shown.
  AboutDialog(const QString& caption, const QStringList& lines, QWidget* parent = nullptr);
};

}  // namespace kalo
