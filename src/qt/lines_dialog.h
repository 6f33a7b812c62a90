#pragma once
// "TShowScreen": lines of text in a read-only memo with an "OK" button.
#include <QDialog>
#include <QStringList>
#include <string>

namespace kalo {

class LinesDialog : public QDialog {
  Q_OBJECT

 public:
  LinesDialog(const QString& title, const QStringList& lines, QWidget* parent = nullptr);
  // The lines of a file written in the window code page.
  static QStringList FromFile(const std::string& path);
};

}  // namespace kalo
