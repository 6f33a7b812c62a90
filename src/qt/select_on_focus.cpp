#include "qt/select_on_focus.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace kalo {
namespace {

class FocusSelection : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusIn) return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || edit->isReadOnly()) return false;
    // After the mouse press that gave the focus, which would set the cursor again.
    QPointer<QLineEdit> field(edit);
    QTimer::singleShot(0, edit, [field] {
      if (field && field->hasFocus()) field->selectAll();
    });
    return false;
  }
};

}  // namespace

void SelectTextOnFocus(QApplication& application) {
  application.installEventFilter(new FocusSelection(&application));
}

}  // namespace kalo
