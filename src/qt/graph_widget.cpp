#include "qt/graph_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QTransform>
#include <algorithm>
#include <optional>
#include <utility>

#include "context/context.h"
#include "graphics/screen_plotter.h"
#include "qt/painter_canvas.h"

namespace kalo {

namespace {

// Keys of the graphics window and the Windows virtual key codes the window core takes.
// The main keyboard's + and - zoom as well as the keypad's, for keyboards without one.
constexpr std::pair<int, int> kVirtualKeys[] = {
    {Qt::Key_Escape, 27}, {Qt::Key_F5, 116},   {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_Left, 37},   {Qt::Key_Up, 38},    {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
    {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
};

int VirtualKeyOf(int qtKey) {
  for (auto [key, code] : kVirtualKeys)
    if (key == qtKey) return code;
  return 0;
}

std::optional<MouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return std::nullopt;
  }
}

// Client pixels to the pixels of an area of the widget's shape. The zoom keeps its aspect
// for a 4:3 screen (whatever the configured resolution), so the client area is shown as the
// largest 4:3 picture that fits, at the lower left like the drawings inside it; the rest
// has the background colour.
QTransform ClientToArea(QSizeF area, QSize client) {
  qreal width = std::min(area.width(), area.height() * 4 / 3);
  qreal height = width * 3 / 4;
  return QTransform::fromTranslate(0, area.height() - height)
      .scale(width / client.width(), height / client.height());
}

}  // namespace

// Drawing on the shown picture outside the replay (rubber band, MoveTo/LineTo).
struct GraphWidget::DirectDrawing {
  DirectDrawing(QImage& image, QSize client) : painter(&image), canvas(painter) {
    painter.setTransform(ClientToArea(image.deviceIndependentSize(), client));
  }
  QPainter painter;
  PainterCanvas canvas;
};

GraphWidget::GraphWidget(Context& context, QWidget* parent)
    : QWidget(parent), context_(context), graphics_(context, *this) {
  context_.screenPlotter = &graphics_.plotter;
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

GraphWidget::~GraphWidget() {
  EndDirectDrawing();
  if (context_.screenPlotter == &graphics_.plotter) context_.screenPlotter = nullptr;
  SetWaitCursor(false);
}

GraphWindow& GraphWidget::Window() { return graphics_.window; }

QSize GraphWidget::ClientQSize() const {
  ClientSize client = ClientArea();
  return {client.width, client.height};
}

QSize GraphWidget::sizeHint() const { return ClientQSize(); }

void GraphWidget::Render(QImage& image) {
  QPainter painter(&image);
  painter.setTransform(ClientToArea(image.deviceIndependentSize(), ClientQSize()));
  PainterCanvas canvas(painter);
  graphics_.window.FormPaint(canvas);
}

void GraphWidget::RequestRepaint() {
  stale_ = true;
  update();
}

void GraphWidget::ShowWindow() { show(); }

void GraphWidget::SetWaitCursor(bool waiting) {
  if (waiting == waiting_) return;
  waiting_ = waiting;
  if (waiting)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

// Qt runs no events inside a paint: there they wait until the picture is done.
void GraphWidget::ProcessPendingEvents() {
  if (!painting_) QCoreApplication::processEvents();
}

ClientSize GraphWidget::ClientArea() const {
  Resolution resolution = ResolutionOf(context_.config);
  return {resolution.width + 1, resolution.height + 1};
}

Canvas& GraphWidget::DirectCanvas() {
  if (!direct_) {
    if (picture_.isNull()) {
      picture_ = QImage(size().expandedTo({1, 1}), QImage::Format_RGB32);
      picture_.fill(Qt::white);
    }
    direct_ = std::make_unique<DirectDrawing>(picture_, ClientQSize());
  }
  update();
  return direct_->canvas;
}

void GraphWidget::EndDirectDrawing() { direct_.reset(); }

void GraphWidget::Pause(int milliseconds) { QThread::msleep(static_cast<unsigned long>(std::max(milliseconds, 0))); }

void GraphWidget::paintEvent(QPaintEvent*) {
  qreal ratio = devicePixelRatioF();
  QSize pixels = size() * ratio;
  if (pixels.isEmpty()) return;
  EndDirectDrawing();
  if (picture_.size() != pixels || picture_.devicePixelRatio() != ratio) {
    picture_ = QImage(pixels, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    stale_ = true;
  }
  if (stale_) {
    stale_ = false;
    painting_ = true;
    Render(picture_);
    painting_ = false;
  }
  QPainter(this).drawImage(0, 0, picture_);
}

void GraphWidget::keyPressEvent(QKeyEvent* event) {
  int virtualKey = VirtualKeyOf(event->key());
  if (virtualKey == 0) return QWidget::keyPressEvent(event);
  graphics_.window.FormKeyDown(virtualKey);
}

QPoint GraphWidget::ToClient(const QPointF& position) const {
  if (width() <= 0 || height() <= 0) return {};
  QPointF client = ClientToArea(size(), ClientQSize()).inverted().map(position);
  return client.toPoint();
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
  std::optional<MouseButton> button = ButtonOf(event->button());
  if (!button) return QWidget::mousePressEvent(event);
  QPoint at = ToClient(event->position());
  graphics_.window.FormMouseDown(*button, at.x(), at.y());
}

// The second press of a double click arrives here instead of as a press.
void GraphWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) graphics_.window.FormDblClick();
  mousePressEvent(event);
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = ToClient(event->position());
  graphics_.window.FormMouseMove(at.x(), at.y());
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
  QPoint at = ToClient(event->position());
  graphics_.window.FormMouseUp(at.x(), at.y());
}

}  // namespace kalo
