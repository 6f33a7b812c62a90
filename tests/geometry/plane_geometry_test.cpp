#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "messages/messages.h"
#include "numbers/number_format.h"

namespace kalo {
namespace {

constexpr long double kEps = 1e-15L;

class ArcCenter : public ::testing::Test {
 protected:
  MessageCollection messages;
  NumberFormat format;
};

TEST_F(ArcCenter, HalfCircleLiesBelowTheChord) {
  auto arc = GetArcCenter(0, 0, 2, 0, kPi, messages, format);
  ASSERT_TRUE(arc);
  EXPECT_NEAR(arc->xc, 1, kEps);
  EXPECT_NEAR(arc->yc, 0, kEps);
  EXPECT_NEAR(arc->r, 1, kEps);
  EXPECT_NEAR(arc->a1, kPi, kEps);
  EXPECT_NEAR(arc->a2, 0, kEps);
  EXPECT_TRUE(messages.Empty());
}

TEST_F(ArcCenter, QuarterCirclesEitherWay) {
  auto left = GetArcCenter(0, 0, 2, 0, kPi / 2, messages, format);
  ASSERT_TRUE(left);
  EXPECT_NEAR(left->xc, 1, kEps);
  EXPECT_NEAR(left->yc, 1, kEps);
  EXPECT_NEAR(left->r, std::sqrt(2.0L), kEps);
  EXPECT_NEAR(left->a1, Angle(-1, -1), kEps);  // P1
  EXPECT_NEAR(left->a2, Angle(1, -1), kEps);   // P2

  auto right = GetArcCenter(0, 0, 2, 0, -kPi / 2, messages, format);
  ASSERT_TRUE(right);
  EXPECT_NEAR(right->xc, 1, kEps);
  EXPECT_NEAR(right->yc, -1, kEps);
  EXPECT_NEAR(right->a1, Angle(1, 1), kEps);   // exchanged: P2
  EXPECT_NEAR(right->a2, Angle(-1, 1), kEps);  // P1

  auto unswapped = GetArcCenterNoSwap(0, 0, 2, 0, -kPi / 2, messages, format);
  ASSERT_TRUE(unswapped);
  EXPECT_NEAR(unswapped->a1, Angle(-1, 1), kEps);
  EXPECT_TRUE(messages.Empty());
}

TEST_F(ArcCenter, CoincidentEndsGiveCentreAtThePoint) {
  auto arc = GetArcCenter(3, 4, 3, 4, 1, messages, format);
  ASSERT_TRUE(arc);
  EXPECT_EQ(arc->xc, 3);
  EXPECT_EQ(arc->yc, 4);
  EXPECT_EQ(arc->r, 0);
  EXPECT_EQ(arc->a1, kPi / 2);
  EXPECT_EQ(arc->a2, kPi / 2);
  ASSERT_EQ(messages.Count(), 1u);
  EXPECT_EQ(messages.Text(1), "GetArcCenter l12=0");
}

TEST_F(ArcCenter, ZeroAngleGivesNoCentre) {
  EXPECT_FALSE(GetArcCenter(0, 0, 2, 0, 0, messages, format));
  ASSERT_EQ(messages.Count(), 1u);
  EXPECT_EQ(messages.Text(1), "Fehler in GetArcCenter (dphi = 0 ! ");
}

TEST(PlaneGeometry, AnglesCoverAllQuadrants) {
  EXPECT_EQ(Angle(0, -3), -kPi / 2);
  EXPECT_EQ(Angle(0, 0), kPi / 2);
  EXPECT_EQ(Angle(-1, 0), kPi);
  EXPECT_NEAR(Angle(-1, -1), 1.25L * kPi, kEps);
  EXPECT_NEAR(Angle(1, -1), -0.25L * kPi, kEps);
  EXPECT_EQ(AngleYX(-3, 0), -kPi / 2);
  EXPECT_NEAR(RadToDeg(DegToRad(33)), 33, 1e-16);
  EXPECT_NEAR(SweepDeg(350, 10), 20, 1e-13);
  EXPECT_NEAR(SweepDeg(-90, 90), 180, 1e-13);
  EXPECT_NEAR(SweepDeg(90, -90), 180, 1e-13);
}

TEST(PlaneGeometry, RotationsAndInsertTransforms) {
  PlanePoint p = RotateVector(1, 0, kPi / 2);
  EXPECT_NEAR(p.x, 0, kEps);
  EXPECT_NEAR(p.y, 1, kEps);
  p = RotateAbout(2, 1, 1, 1, kPi);
  EXPECT_NEAR(p.x, 0, kEps);
  EXPECT_NEAR(p.y, 1, kEps);
  p = TransformPoint(10, 20, 90, 1, 2);
  EXPECT_NEAR(p.x, 8, kEps);
  EXPECT_NEAR(p.y, 21, kEps);
  p = TransformPointScaled(2, 3, 10, 20, 0, 1, 1);
  EXPECT_EQ(p.x, 12);
  EXPECT_EQ(p.y, 23);
}

TEST(PlaneGeometry, NumberHelpers) {
  MessageCollection messages;
  EXPECT_NEAR(Tan(kPi / 4, messages), 1, kEps);
  EXPECT_EQ(Hypot(3, 4), 5);
  EXPECT_EQ(IntPower(3, 2), 8);
  EXPECT_EQ(IntPower(0, 7), 1);
  EXPECT_EQ(IntPower(-2, 2), 0.25L);
  EXPECT_EQ(Log10(0), -1e30L);
  EXPECT_NEAR(Log10(1000), 3, kEps);
  EXPECT_NEAR(Pow10(-2), 0.01L, 1e-18);
  EXPECT_EQ(FloorDown(2.7L), 2);
  EXPECT_EQ(FloorDown(-2), -3);
  EXPECT_EQ(FloorDown(-0.5L), -1);
  EXPECT_EQ(Decade(0), 0);
  EXPECT_EQ(Decade(950), 2);
  EXPECT_EQ(Decade(-0.05L), -2);
  EXPECT_EQ(Decade(INFINITY), 0);
  EXPECT_TRUE(NearlyEqual(1, 1 + 9e-6L));
  EXPECT_FALSE(NearlyEqual(1, 1 + 2e-5L));
  EXPECT_EQ(Clamp(0, 10, 12), 10);
  EXPECT_EQ(Clamp(0, 10, -1), 0);
  EXPECT_EQ(Clamp(5, 1, 3), 1);  // raised to lo, then lowered to hi
  long double a = 1, b = 2;
  SwapReal(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(MaxInt(3, -4) + MinInt(3, -4), -1);
  EXPECT_EQ(MaxReal(1, 2) - MinReal(1, 2), 1);
  EXPECT_NEAR(MmToInch(InchToMm(3)), 3, kEps);
  EXPECT_NEAR(MmToInch2(645.16L), 1, kEps);
  EXPECT_NEAR(MmToInch3(16387.064L), 1, kEps);
}

TEST(NiceScale, RoundsTheAxisOutwards) {
  AxisScale scale = NiceScale(0, 97, 10);
  EXPECT_NEAR(scale.step, 10, 1e-15);
  EXPECT_NEAR(scale.lo, 0, 1e-15);
  EXPECT_NEAR(scale.hi, 100, 1e-13);
  scale = NiceScale(5, 5, 4);  // widened to 4..6
  EXPECT_NEAR(scale.step, 0.5L, 1e-15);
  EXPECT_NEAR(scale.lo, 4, 1e-15);
  EXPECT_NEAR(scale.hi, 6, 1e-15);
  scale = NiceScale(0, 1, 0);  // no intervals asked: one
  EXPECT_NEAR(scale.step, 1, 1e-15);
}

}  // namespace
}  // namespace kalo
