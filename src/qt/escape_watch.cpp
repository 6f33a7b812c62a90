#include "qt/escape_watch.h"

#include <QApplication>
#include <QKeyEvent>

namespace kalo {

bool EscapeWatch::EscapePressed() {
  EscapeWatch watch;
  qApp->installEventFilter(&watch);
  QApplication::processEvents();
  qApp->removeEventFilter(&watch);
  return watch.pressed_;
}

bool EscapeWatch::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) pressed_ = true;
      return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:  // the main window closes after the command, not in its middle
      return true;
    default:
      return false;
  }
}

}  // namespace kalo
