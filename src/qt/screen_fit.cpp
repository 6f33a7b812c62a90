#include "qt/screen_fit.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kalo {
namespace {

// The frame around a window not shown yet, when the window system has not told it.
constexpr int kFrameWidth = 8, kFrameHeight = 30;

QRect AvailableArea(const QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize FrameOf(const QWidget& window) {
  QSize frame = window.frameGeometry().size() - window.geometry().size();
  return frame.isEmpty() ? QSize(kFrameWidth, kFrameHeight) : frame;
}

}  // namespace

QSize LargestWindowSize(const QWidget& window) {
  return (AvailableArea(window).size() - FrameOf(window)).expandedTo(QSize(1, 1));
}

void ResizeWithinScreen(QWidget& window, QSize wanted) {
  QSize size = wanted.boundedTo(LargestWindowSize(window));
  window.resize(size);
  QRect area = AvailableArea(window);
  QSize frame = FrameOf(window);
  QPoint at = window.pos();
  at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width() - frame.width())));
  at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height() - frame.height())));
  window.move(at);
}

}  // namespace kalo
