#pragma once
// The 3D view of the body: a shaded, turnable picture of the revolved body (drag to turn,
// wheel to zoom) with a half cut that shows the section. It follows the body: the main
// window hands it the body after every command.
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QWidget>

#include "model/contour.h"
#include "platform/canvas.h"
#include "solid/body_mesh.h"

class QCheckBox;
class QOpenGLShaderProgram;

namespace kalo {

struct Context;

class BodyViewWidget : public QOpenGLWidget, protected QOpenGLFunctions {
  Q_OBJECT

 public:
  explicit BodyViewWidget(QWidget* parent = nullptr);
  ~BodyViewWidget() override;

  // Meshes the contour again when it or the cut changed; repaints in the colours given.
  void Show(const Contour& contour, bool halfCut, Rgb body, Rgb section);
  const BodyMesh& Mesh() const { return mesh_; }
  // Turns the view by the angles given (degrees), as a drag does.
  void Turn(float yaw, float pitch);

 protected:
  void initializeGL() override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Draw(const std::vector<float>& triangles, Rgb colour);

  Contour contour_;
  bool halfCut_ = false;
  bool meshed_ = false;
  BodyMesh mesh_;
  Rgb body_, section_;
  float yaw_ = -30, pitch_ = 20, zoom_ = 1;
  QPoint lastDrag_;
  QOpenGLShaderProgram* program_ = nullptr;
};

// The window around it: the picture and the "Halbschnitt" switch.
class BodyViewWindow : public QWidget {
  Q_OBJECT

 public:
  BodyViewWindow(Context& context, QWidget* parent = nullptr);
  // Shows the current body again.
  void Follow();
  BodyViewWidget& View() { return *view_; }
  QCheckBox& HalfCut() { return *halfCut_; }

 private:
  Context& context_;
  BodyViewWidget* view_;
  QCheckBox* halfCut_;
};

}  // namespace kalo
