#pragma once
// The caption of a demonstration step: its text over the lower part of the main window for
// the step's time. Any key or click while it shows ends the demonstration and reaches
// nothing else.
#include <QEventLoop>
#include <QLabel>

namespace kalo {

class DemoCaption : public QLabel {
  Q_OBJECT

 public:
  DemoCaption(const QString& text, QWidget* parent);

  // Shows the caption for the time; false when a key or a click ended it.
  bool Run(int milliseconds);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QEventLoop loop_;
  bool stopped_ = false;
};

// The key pressed on the graphics window of the main window, which then repaints.
void PressGraphicsKey(QWidget* mainWindow, int virtualKey);

}  // namespace kalo
