#pragma once
// While a longer command runs, the windows still repaint, but what the user types or
// clicks is dropped, except Esc, which asks the command to stop.
#include <QObject>

namespace kalo {

class EscapeWatch : public QObject {
 public:
  // Handles the events waiting now; true when Esc was among them.
  static bool EscapePressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace kalo
