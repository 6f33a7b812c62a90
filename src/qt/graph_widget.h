#pragma once
// The graphics window on Qt: replays the recorded drawing on paint, forwards keys and mouse
// to the window core and draws the live rubber band. The picture is drawn for the
// configured client area ("Auflösung horizontal/vertikal" + 1 pixel) and scaled to the
// largest 4:3 picture that fits the widget; mouse positions are converted back into that
// client area.
#include <memory>

#include <QImage>
#include <QWidget>

#include "graphics/screen_graphics.h"

namespace kalo {

class GraphWidget : public QWidget, public GraphHost {
  Q_OBJECT

 public:
  explicit GraphWidget(Context& context, QWidget* parent = nullptr);
  ~GraphWidget() override;

  GraphWindow& Window();
  QSize sizeHint() const override;
  // Replays the recorded drawing onto the image, scaled to it as to the widget.
  void Render(QImage& image);

  void RequestRepaint() override;
  void ShowWindow() override;
  void SetWaitCursor(bool waiting) override;
  void ProcessPendingEvents() override;
  ClientSize ClientArea() const override;
  Canvas& DirectCanvas() override;
  void Pause(int milliseconds) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct DirectDrawing;

  // The configured client area as a Qt size.
  QSize ClientQSize() const;
  // A widget position in pixels of the configured client area.
  QPoint ToClient(const QPointF& position) const;
  void EndDirectDrawing();

  Context& context_;
  ScreenGraphics graphics_;
  // The replayed picture, shown on every paint and replayed again only when asked to.
  QImage picture_;
  std::unique_ptr<DirectDrawing> direct_;
  bool stale_ = true;
  bool painting_ = false;
  bool waiting_ = false;
};

}  // namespace kalo
