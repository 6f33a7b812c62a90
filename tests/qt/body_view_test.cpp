// The 3D view through the main window: the body's pixels in its configured colour, the half
// cut's in the hatching's, and the picture follows the body. It needs OpenGL, which Qt's
// offscreen platform lacks: the suite runs it under xvfb-run on Mesa, and skips it elsewhere.
#include "qt/body_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QOpenGLContext>

#include "qt/main_window.h"
#include "solid/body_view_style.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

// The share of pixels that are a shade (0.3 to 1 times) of the colour.
double ShareOf(const QImage& image, Rgb colour) {
  double c[3] = {double(colour.red), double(colour.green), double(colour.blue)};
  double length2 = c[0] * c[0] + c[1] * c[1] + c[2] * c[2];
  long count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QRgb p = image.pixel(x, y);
      double v[3] = {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
      double k = (v[0] * c[0] + v[1] * c[1] + v[2] * c[2]) / length2;
      double off = std::hypot(v[0] - k * c[0], v[1] - k * c[1], v[2] - k * c[2]);
      if (k > 0.25 && k < 1.05 && off < 12) ++count;
    }
  return static_cast<double>(count) / (image.width() * image.height());
}

class BodyView : public ::testing::Test {
 protected:
  BodyView() {
    QOpenGLContext probe;
    hasOpenGl = probe.create();
    // Under xvfb-run the suite counts on OpenGL: a skip there would hide a broken view.
    if (!qEnvironmentVariableIsEmpty("KALO_REQUIRE_OPENGL")) {
      EXPECT_TRUE(hasOpenGl);
    }
    t.context.config.tempDirectory = dir.Path();
    t.context.config.helpLevel = HelpLevel::NoInfo;
    t.context.config.layers[5].colour = 5;  // the contour blue
    t.context.config.layers[3].colour = 1;  // the hatching red
    Contour& contour = t.context.body.contour;
    contour.Reset();
    for (ContourElement e : {ContourElement{0, 5, 0}, {80, 5, 0}, {80, 20, 0}, {30, 20, 0}, {30, 40, 0}, {0, 40, 0}})
      contour[++contour.count] = e;
  }

  BodyViewWindow& Open() {
    window.findChild<QAction*>("mi_viewBody3d")->trigger();
    BodyViewWindow* view = window.BodyView();
    EXPECT_NE(view, nullptr);
    return *view;
  }

  bool hasOpenGl = false;
  testing::TempDir dir;
  testing::TestContext t;
  MainWindow window{t.context};
};

TEST_F(BodyView, ShowsTheBodyInItsColourAndTheHalfCutInTheHatchColour) {
  if (!hasOpenGl) GTEST_SKIP() << "no OpenGL on this platform (the suite runs this under xvfb-run)";
  BodyViewWindow& view = Open();
  QImage whole = view.View().grabFramebuffer();
  ASSERT_FALSE(whole.isNull());
  EXPECT_GT(ShareOf(whole, BodyColour(t.context.config)), 0.05);
  EXPECT_EQ(ShareOf(whole, SectionColour(t.context.config)), 0);
  view.HalfCut().setChecked(true);
  QImage cut = view.View().grabFramebuffer();
  EXPECT_GT(ShareOf(cut, SectionColour(t.context.config)), 0.01);
  EXPECT_GT(ShareOf(cut, BodyColour(t.context.config)), 0.02);
  if (!qEnvironmentVariableIsEmpty("KALO_BODY_VIEW_PICTURE"))
    cut.save(qEnvironmentVariable("KALO_BODY_VIEW_PICTURE"));
}

TEST_F(BodyView, FollowsTheBodyAndTurnsWhenDragged) {
  BodyViewWindow& view = Open();
  size_t triangles = view.View().Mesh().Triangles();
  EXPECT_GT(triangles, 0u);
  // A change of the body reaches the view with the menus after the command.
  t.context.body.contour[5].y = 50;
  t.context.body.contour[6].y = 50;
  window.UpdateMenus();
  EXPECT_EQ(view.View().Mesh().Triangles(), triangles);
  EXPECT_FLOAT_EQ(view.View().Mesh().size, std::hypot(80.0f, 100.0f));
  t.context.body.contour.count = 0;
  window.UpdateMenus();
  EXPECT_EQ(view.View().Mesh().Triangles(), 0u);
  if (!hasOpenGl) GTEST_SKIP() << "no OpenGL on this platform (the suite runs this under xvfb-run)";
  t.context.body.contour.count = 6;
  window.UpdateMenus();
  QImage front = view.View().grabFramebuffer();
  view.View().Turn(90, 0);
  EXPECT_NE(view.View().grabFramebuffer(), front);
}

}  // namespace
}  // namespace kalo
