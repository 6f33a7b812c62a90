#include "qt/demo_caption.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>

#include "qt/graph_widget.h"

namespace kalo {

DemoCaption::DemoCaption(const QString& text, QWidget* parent)
    : QLabel(text, parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("DemoCaption");
  setWordWrap(true);
  setMargin(14);
  setStyleSheet("QLabel { background: #fffbe6; color: #202020; border: 2px solid #3a5f8f; font-size: 13pt; }");
  int width = parent ? std::max(320, parent->width() * 2 / 3) : 480;
  setFixedWidth(width);
  adjustSize();
  if (parent) {
    QRect area = parent->geometry();
    move(area.center().x() - width / 2, area.bottom() - height() - 24);
  }
}

bool DemoCaption::Run(int milliseconds) {
  show();
  raise();
  qApp->installEventFilter(this);
  QTimer::singleShot(milliseconds, &loop_, &QEventLoop::quit);
  loop_.exec();
  qApp->removeEventFilter(this);
  hide();
  return !stopped_;
}

bool DemoCaption::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      stopped_ = true;
      loop_.quit();
      return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
      return true;
    default: return QLabel::eventFilter(watched, event);
  }
}

void PressGraphicsKey(QWidget* mainWindow, int virtualKey) {
  GraphWidget* graph = mainWindow ? mainWindow->findChild<GraphWidget*>() : nullptr;
  if (!graph) return;
  graph->Window().FormKeyDown(virtualKey);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kalo
