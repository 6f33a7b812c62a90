#pragma once
// The graphics window on Qt: replays the recorded drawing on paint, forwards keys and mouse
// to the window core and draws the live rubber band. The picture is drawn for the
// configured client area ("Auflösung horizontal/vertikal" + 1 pixel) and stretched to fill
// the widget; mouse positions are converted back into that client area.
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
  Context& context_;
  ScreenGraphics graphics_;
};

}  // namespace kalo
