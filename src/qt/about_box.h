#pragma once
// The information box "TAboutBox": the program's lines and one "OK" button.
#include <QDialog>
#include <QStringList>

namespace kalo {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // The caption and the lines as shown.
  TAboutBox(const QString& caption, const QStringList& lines, QWidget* parent = nullptr);
};

}  // namespace kalo
