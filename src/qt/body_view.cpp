#include "qt/body_view.h"

#include <QCheckBox>
#include <QMatrix4x4>
#include <QMouseEvent>
#include <QOpenGLShaderProgram>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "context/context.h"
#include "qt/qt_text.h"
#include "solid/body_view_style.h"

namespace kalo {
namespace {

// Lit from the viewer: the brighter a face, the more it faces the eye; both sides alike.
constexpr const char* kVertexShader = R"(
attribute highp vec3 position;
attribute highp vec3 normal;
uniform highp mat4 transform;
uniform highp mat3 turn;
varying highp vec3 facing;
void main() {
  facing = turn * normal;
  gl_Position = transform * vec4(position, 1.0);
}
)";

constexpr const char* kFragmentShader = R"(
uniform lowp vec3 colour;
varying highp vec3 facing;
void main() {
  highp float light = abs(normalize(facing).z);
  gl_FragColor = vec4(colour * (0.3 + 0.7 * light), 1.0);
}
)";

constexpr float kDegreesPerPixel = 0.5f;
constexpr float kZoomPerWheelStep = 1.15f;

}  // namespace

BodyViewWidget::BodyViewWidget(QWidget* parent) : QOpenGLWidget(parent) {
  setObjectName("BodyView");
  setMinimumSize(320, 240);
}

BodyViewWidget::~BodyViewWidget() {
  makeCurrent();
  delete program_;
  doneCurrent();
}

void BodyViewWidget::Show(const Contour& contour, bool halfCut, Rgb body, Rgb section) {
  if (!meshed_ || !(contour == contour_) || halfCut != halfCut_) {
    contour_ = contour;
    halfCut_ = halfCut;
    mesh_ = RevolvedMesh(contour, halfCut);
    meshed_ = true;
  }
  body_ = body;
  section_ = section;
  update();
}

void BodyViewWidget::Turn(float yaw, float pitch) {
  yaw_ += yaw;
  pitch_ = std::clamp(pitch_ + pitch, -89.0f, 89.0f);
  update();
}

void BodyViewWidget::initializeGL() {
  initializeOpenGLFunctions();
  program_ = new QOpenGLShaderProgram;
  program_->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader);
  program_->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader);
  program_->bindAttributeLocation("position", 0);
  program_->bindAttributeLocation("normal", 1);
  program_->link();
  glEnable(GL_DEPTH_TEST);
}

void BodyViewWidget::paintGL() {
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (!program_ || !program_->isLinked() || mesh_.Triangles() == 0) return;
  float size = std::max(mesh_.size, 1e-6f);
  QMatrix4x4 projection, turn;
  float aspect = static_cast<float>(std::max(width(), 1)) / static_cast<float>(std::max(height(), 1));
  float half = size * 0.6f / zoom_;
  projection.ortho(-half * aspect, half * aspect, -half, half, -4 * size, 4 * size);
  turn.rotate(pitch_, 1, 0, 0);
  turn.rotate(yaw_, 0, 1, 0);
  QMatrix4x4 model;
  model.translate(-mesh_.centre[0], -mesh_.centre[1], -mesh_.centre[2]);
  program_->bind();
  program_->setUniformValue("transform", projection * turn * model);
  program_->setUniformValue("turn", turn.normalMatrix());
  Draw(mesh_.surface, body_);
  Draw(mesh_.section, section_);
  program_->release();
}

void BodyViewWidget::Draw(const std::vector<float>& triangles, Rgb colour) {
  if (triangles.empty()) return;
  program_->setUniformValue("colour", QVector3D(colour.red / 255.0f, colour.green / 255.0f, colour.blue / 255.0f));
  program_->enableAttributeArray(0);
  program_->enableAttributeArray(1);
  program_->setAttributeArray(0, GL_FLOAT, triangles.data(), 3, 6 * sizeof(float));
  program_->setAttributeArray(1, GL_FLOAT, triangles.data() + 3, 3, 6 * sizeof(float));
  glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(triangles.size() / 6));
  program_->disableAttributeArray(0);
  program_->disableAttributeArray(1);
}

void BodyViewWidget::mousePressEvent(QMouseEvent* event) { lastDrag_ = event->position().toPoint(); }

void BodyViewWidget::mouseMoveEvent(QMouseEvent* event) {
  QPoint now = event->position().toPoint(), moved = now - lastDrag_;
  lastDrag_ = now;
  Turn(static_cast<float>(moved.x()) * kDegreesPerPixel, static_cast<float>(moved.y()) * kDegreesPerPixel);
}

void BodyViewWidget::wheelEvent(QWheelEvent* event) {
  float steps = static_cast<float>(event->angleDelta().y()) / 120.0f;
  zoom_ = std::clamp(zoom_ * std::pow(kZoomPerWheelStep, steps), 0.05f, 50.0f);
  update();
}

BodyViewWindow::BodyViewWindow(Context& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), view_(new BodyViewWidget(this)),
      halfCut_(new QCheckBox(Labelled("Halbschnitt"), this)) {
  setObjectName("BodyViewWindow");
  setWindowTitle(Labelled("3D-Körper"));
  halfCut_->setObjectName("HalfCut");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addWidget(halfCut_);
  connect(halfCut_, &QCheckBox::toggled, this, [this] { Follow(); });
  resize(640, 480);
}

void BodyViewWindow::Follow() {
  view_->Show(context_.body.contour, halfCut_->isChecked(), BodyColour(context_.config), SectionColour(context_.config));
}

}  // namespace kalo
