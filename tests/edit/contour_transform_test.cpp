// Transformations of the whole contour: the arithmetic and the prompts that ask for it.
#include "edit/contour_transform.h"

#include <gtest/gtest.h>

#include <numbers>

#include "calc/calculation.h"
#include "dialogs/choice_forms.h"
#include "model/contour.h"
#include "platform/codepage.h"
#include "support/test_context.h"

namespace kalo {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

Contour Rectangle() {
  Contour c;
  c.Reset();
  c[1] = {0, 0, 0};
  c[2] = {100, 0, 0};
  c[3] = {100, 10, 0};
  c[4] = {0, 10, 0};
  c.count = 4;
  return c;
}

void ExpectPoint(const ContourElement& e, long double x, long double y) {
  EXPECT_NEAR(static_cast<double>(e.x), static_cast<double>(x), 1e-12);
  EXPECT_NEAR(static_cast<double>(e.y), static_cast<double>(y), 1e-12);
}

TEST(ContourTransformation, RotationAndScaleMoveThePointsOnly) {
  Contour c = Rectangle();
  c[2].phi = 0.5L;
  ContourTransformation rotate;
  rotate.rotationDegrees = 90;
  ApplyTransformation(c, rotate);
  ExpectPoint(c[1], 0, 0);
  ExpectPoint(c[2], 0, 100);
  ExpectPoint(c[3], -10, 100);
  ExpectPoint(c[4], -10, 0);
  EXPECT_EQ(c[2].phi, 0.5L);

  Contour d = Rectangle();
  ContourTransformation scale;
  scale.sx = 2;
  scale.dy = 5;
  ApplyTransformation(d, scale);
  ExpectPoint(d[2], 200, 5);
  ExpectPoint(d[3], 200, 15);
}

TEST(ContourTransformation, MirrorTwiceRestoresTheContour) {
  Contour c = Rectangle();
  c[2].phi = 1;
  for (Mirror mirror : {Mirror::AboutX, Mirror::AboutY}) {
    ContourTransformation t;
    t.mirror = mirror;
    ApplyTransformation(c, t);
    EXPECT_EQ(c[2].phi, -1);
    ApplyTransformation(c, t);
    EXPECT_EQ(c[2].phi, 1);
    ExpectPoint(c[3], 100, 10);
  }
  ContourTransformation t;
  t.mirror = Mirror::AboutX;
  ApplyTransformation(c, t);
  ExpectPoint(c[3], -100, 10);
}

TEST(ContourTransformation, ReversalKeepsEachArcOnItsSegment) {
  Contour c = Rectangle();
  c[1].phi = 0.7L;  // the arc from point 1 to point 2
  c[4].phi = 0.2L;  // unused: the closing segment is straight
  ContourTransformation t;
  t.reverse = true;
  ApplyTransformation(c, t);
  ExpectPoint(c[1], 0, 10);
  ExpectPoint(c[3], 100, 0);
  ExpectPoint(c[4], 0, 0);
  EXPECT_EQ(c[3].phi, -0.7L);  // now the start of the segment from (100, 0) to (0, 0)
  EXPECT_EQ(c[1].phi, 0);
  EXPECT_EQ(c[4].phi, -0.2L);

  Contour one;
  one.Reset();
  one[1] = {5, 6, 0.3L};
  one.count = 1;
  ApplyTransformation(one, t);
  ExpectPoint(one[1], 5, 6);
  EXPECT_EQ(one[1].phi, -0.3L);
}

TEST(ContourTransformation, ReversingAnArcBodyKeepsItsVolume) {
  testing::TestContext t;
  Contour& c = t.context.body.contour;
  c.Reset();
  c[1] = {50, 0, kPi / 2};
  c[2] = {0, 50, kPi / 2};
  c[3] = {-50, 0, 0};
  c.count = 3;
  Calculate(t.context.body, t.context.config, t.context.messages);
  long double volume = t.context.body.volume;
  ContourTransformation reverse;
  reverse.reverse = true;
  ApplyTransformation(c, reverse);
  Calculate(t.context.body, t.context.config, t.context.messages);
  EXPECT_NEAR(static_cast<double>(t.context.body.volume), static_cast<double>(volume), 1e-6 * static_cast<double>(volume));
}

class TransformPrompts : public ::testing::Test {
 protected:
  TransformPrompts() {
    t.context.body.contour = Rectangle();
    t.ui.onYesNoChoice = [this](YesNoChoiceForm& form) {
      yesNoPrompts.push_back(form.prompt);
      yesNoHelp = t.context.state.helpNumber;
      form.yes = reverse;
      return true;
    };
  }
  testing::TestContext t;
  bool reverse = false;
  std::vector<std::string> yesNoPrompts;
  int yesNoHelp = 0;
};

TEST_F(TransformPrompts, SevenPromptsInOrderInTheCurrentUnit) {
  t.context.config.units = 1;
  t.ui.texts = {"400", "90", "1", "-5", "1", "1"};  // 400 degrees is refused and asked again
  t.ui.choices = {1};                              // "Spiegeln um Achse y"
  TransformContour(t.context);
  EXPECT_FALSE(t.context.state.cancel);
  ASSERT_EQ(t.ui.prompts.size(), 6u);
  EXPECT_EQ(t.ui.prompts[0], Oem("Drehwinkel °"));
  EXPECT_EQ(t.ui.prompts[2], "Verschiebung x [inch]");
  EXPECT_EQ(t.ui.prompts[3], "Verschiebung y [inch]");
  EXPECT_EQ(t.ui.prompts[5], Oem("Maßstab y"));
  EXPECT_EQ(t.ui.choiceItems[2], "nicht spiegeln");
  EXPECT_EQ(t.ui.preselections.back(), 2);
  EXPECT_EQ(yesNoPrompts, std::vector<std::string>{"Richtungssinn umkehren"});
  EXPECT_EQ(yesNoHelp, 8440);
  // Rotated by 90 degrees, shifted by 1 inch in x and -5 inch in y, mirrored in y: above the
  // axis again.
  ExpectPoint(t.context.body.contour[2], 25.4L, 27);
}

TEST_F(TransformPrompts, ACancelChangesNothing) {
  t.ui.texts = {"90", "5"};
  TransformContour(t.context);
  EXPECT_TRUE(t.context.state.cancel);
  EXPECT_EQ(t.context.body.contour, Rectangle());
}

TEST_F(TransformPrompts, AnEmptyContourIsReportedAfterThePrompts) {
  t.context.body.contour.count = 0;
  t.ui.texts = {"0", "0", "0", "1", "1"};
  t.ui.choices = {2};
  TransformContour(t.context);
  EXPECT_EQ(t.ui.messages.back().text, "keine Geometrie eingegeben !");
}

}  // namespace
}  // namespace kalo
