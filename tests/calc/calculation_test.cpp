// The calculation's worked examples, its chord division and its failure rules.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/contour_fixture.h"
#include "platform/codepage.h"

namespace kalo::testing {
namespace {

class Calculation : public ::testing::Test, public CalculationFixture {
 protected:
  // The worked rectangle 0 <= x <= 100, 0 <= y <= 10.
  void ComputeRectangle(bool counterClockwise) {
    if (counterClockwise)
      Compute({{0, 0}, {100, 0}, {100, 10}, {0, 10}});
    else
      Compute({{0, 0}, {0, 10}, {100, 10}, {100, 0}});
  }
  bool HasMessage(const std::string& text) const {
    for (const std::string& stored : context.messages.Texts())
      if (stored == text) return true;
    return false;
  }
};

void ExpectRectangleBody(const Body& body) {
  EXPECT_NEAR(body.results.xs, 50, 1e-14);
  EXPECT_NEAR(body.results.ys, 5, 1e-15);
  EXPECT_NEAR(body.mass, 0.24504422698L, 1e-11);
  EXPECT_NEAR(body.volume, 31415.9265L, 1e-4);
  EXPECT_NEAR(body.results.Jx, 1.2252211349E-5L, 1e-15);
}

TEST_F(Calculation, RectangleCounterClockwise) {
  ComputeRectangle(true);
  EXPECT_TRUE(context.messages.Empty());
  EXPECT_NEAR(results.A, 1000, 1e-12);
  ExpectRectangleBody(body);
  // Second moments of a rectangle: b·h³/3, h·b³/3, b²·h²/4 and their centroidal forms.
  EXPECT_NEAR(results.Ixx, 100 * 1000 / 3.0L, 1e-9);
  EXPECT_NEAR(results.Iyy, 10 * 1e6 / 3.0L, 1e-7);
  EXPECT_NEAR(results.Ixy, 250000, 1e-8);
  EXPECT_NEAR(results.Ixs, 100 * 1000 / 12.0L, 1e-9);
  EXPECT_NEAR(results.Iys, 10 * 1e6 / 12.0L, 1e-7);
  EXPECT_NEAR(results.Ixys, 0, 1e-8);
  EXPECT_NEAR(results.Ip, results.Ixx + results.Iyy, 1e-9);
  EXPECT_NEAR(results.I1, results.Iys, 1e-7);
  EXPECT_NEAR(results.I2, results.Ixs, 1e-7);
  EXPECT_NEAR(results.alpha, 0, 1e-15);
  // Bounds and the closed polygon.
  EXPECT_EQ(body.polygon.count, 5);
  EXPECT_EQ(body.polygon.points[5].x, 0);
  EXPECT_EQ(body.bounds.xmin, 0);
  EXPECT_EQ(body.bounds.xmax, 100);
  EXPECT_EQ(body.bounds.length, 100);
  EXPECT_EQ(body.bounds.height, 10);
  EXPECT_EQ(body.bounds.xminIndex, 1);  // the first extreme point wins
  EXPECT_EQ(body.bounds.xmaxIndex, 2);
}

TEST_F(Calculation, RectangleClockwiseNegatesTheSectionOnly) {
  ComputeRectangle(false);
  EXPECT_NEAR(results.A, -1000, 1e-12);
  ExpectRectangleBody(body);
  EXPECT_NEAR(results.I1, 10 * 1e6 / 12.0L, 1e-7);
  EXPECT_NEAR(results.I2, 100 * 1000 / 12.0L, 1e-9);
}

TEST_F(Calculation, BoundsOfAFlatContourAreWidened) {
  Compute({{5, 3}, {5, 3}});
  EXPECT_EQ(body.bounds.xmax, 6);
  EXPECT_EQ(body.bounds.ymax, 4);
  EXPECT_EQ(body.bounds.length, 1);
}

// Each point is compared with the extreme as stored, rounded to six bytes: 1 + 2^-45 is held
// as 1, so the smaller 1 + 2^-50 after it still counts as a new maximum.
TEST_F(Calculation, BoundsCompareWithTheSixByteExtremes) {
  const long double above = 1 + 0x1p-45L, barelyAbove = 1 + 0x1p-50L;
  Compute({{0, 0}, {above, 0}, {barelyAbove, 5}, {-3, 5}});
  EXPECT_EQ(body.bounds.xmax, 1);
  EXPECT_EQ(body.bounds.xmaxIndex, 3);
  Compute({{0, 0}, {-above, 0}, {-barelyAbove, 5}, {3, 5}});
  EXPECT_EQ(body.bounds.xmin, -1);
  EXPECT_EQ(body.bounds.xminIndex, 3);
  Compute({{0.1L, 0}, {0.1L, 5}, {-3, 5}});  // an equal value never replaces the first
  EXPECT_EQ(body.bounds.xmaxIndex, 1);
  EXPECT_EQ(body.bounds.xmax, RoundToReal48(0.1L));
}

TEST_F(Calculation, ArcIsDividedIntoRoundedChordCount) {
  Compute({{10, 0, 90}, {0, 10}});  // 90 / 5 = 18 chords, 19 points
  ASSERT_EQ(body.polygon.count, 21);
  for (int p = 2; p <= 20; ++p) {
    const PolygonPoint& point = body.polygon.points[static_cast<size_t>(p)];
    EXPECT_NEAR(std::hypot(point.x, point.y), 10, 1e-15);
    EXPECT_NEAR(Angle(point.x, point.y), DegToRad(5.0L * (p - 2)), 1e-15);
  }
  Compute({{10, 0, 4}, {10 * std::cos(DegToRad(4)), 10 * std::sin(DegToRad(4))}});
  EXPECT_EQ(body.polygon.count, 5);  // at least two chords
  // Exact halves round to even: 2.5 chords give 2, 3.5 give 4.
  ASSERT_EQ(DegToRad(12.5L) / DegToRad(5.0L), 2.5L);
  ASSERT_EQ(DegToRad(17.5L) / DegToRad(5.0L), 3.5L);
  Compute({{10, 0, 12.5L}, {0, 10}}, 5);
  EXPECT_EQ(body.polygon.count, 5);
  Compute({{10, 0, 17.5L}, {0, 10}}, 5);
  EXPECT_EQ(body.polygon.count, 7);
}

TEST_F(Calculation, ClockwiseArcStartsAtItsFirstPoint) {
  Compute({{0, 10, -90}, {10, 0}});
  EXPECT_NEAR(body.polygon.points[2].x, 0, 1e-15);
  EXPECT_NEAR(body.polygon.points[2].y, 10, 1e-15);
  EXPECT_NEAR(body.polygon.points[20].x, 10, 1e-15);
  EXPECT_NEAR(body.polygon.points[20].y, 0, 1e-15);
}

TEST_F(Calculation, PolygonLimitKeepsThePreviousResults) {
  ComputeRectangle(true);
  Compute({{10, 0, 180}, {-10, 0, 180}, {10, 0}}, 0.1L);
  EXPECT_TRUE(context.messages.Fatal());
  ASSERT_EQ(context.messages.Count(), 1u);
  EXPECT_EQ(context.messages.Text(1), "Fatal  : > 2000 Punkte !");
  EXPECT_EQ(body.polygon.count, 5);
  EXPECT_EQ(body.bounds.xmax, 100);
  ExpectRectangleBody(body);
  // 1999 points still fit.
  Compute({{10, 0, 180}, {-10, 0, 0}}, 180 / 1997.0L);
  EXPECT_FALSE(context.messages.Fatal());
  EXPECT_EQ(body.polygon.count, 2000);
}

// Division angles and arc angles from a damaged data file never run past the polygon.
TEST_F(Calculation, UnusableAnglesStayWithinThePolygon) {
  Compute({{10, 0, 90}, {0, 10}}, 0);
  EXPECT_TRUE(HasMessage("Fatal  : > 2000 Punkte !"));
  Compute({{10, 0, INFINITY}, {0, 10}});
  EXPECT_TRUE(HasMessage("Fatal  : > 2000 Punkte !"));
  Compute({{10, 0, 90}, {0, 10}}, -1);  // the minimum of two chords
  EXPECT_FALSE(context.messages.Fatal());
  EXPECT_EQ(body.polygon.count, 5);
  Compute({{10, 0, NAN}, {0, 10}});
  EXPECT_EQ(body.polygon.count, 5);
}

TEST_F(Calculation, AnArcThatIsAStraightLineCountsAsItsChord) {
  for (long double phiDeg : {RadToDeg(1e-19L), RadToDeg(-1e-12L), RadToDeg(5e-9L)}) {
    Compute({{0, 0, phiDeg}, {50, 0}, {50, 20}, {0, 20}});
    EXPECT_FALSE(context.messages.Fatal());
    EXPECT_TRUE(context.messages.Empty()) << context.messages.Text(1);
    EXPECT_NEAR(results.A, 1000, 1e-9) << phiDeg;
    EXPECT_EQ(body.polygon.count, 5);
  }
  Compute({{0, 0, RadToDeg(1e-6L)}, {50, 0}, {50, 20}, {0, 20}});  // still an arc, a flat one
  EXPECT_NEAR(results.A, 1000, 1e-3);
  EXPECT_GT(body.polygon.count, 5);
}

TEST_F(Calculation, OverflowingResultsAreAFatalError) {
  ComputeRectangle(true);
  Compute({{0, 0}, {1e4000L, 0}, {1e4000L, 1e4000L}, {0, 1e4000L}});
  EXPECT_TRUE(context.messages.Fatal());
  EXPECT_TRUE(HasMessage(Oem("Fatal  : Zahlenüberlauf !")));
}

TEST_F(Calculation, PointsBelowTheAxisAreReportedOnceEach) {
  Compute({{0, -10}, {100, -10}, {100, -5}, {50, -5}, {0, -5}});
  EXPECT_TRUE(context.messages.Fatal());  // a solid with a part left out is no result
  EXPECT_EQ(context.messages.Count(), 2u);
  EXPECT_TRUE(HasMessage("Fatal  : GetMasseR"));
  EXPECT_TRUE(HasMessage("Fatal  : GetJR"));
  EXPECT_EQ(body.mass, 0);
  EXPECT_NEAR(results.A, 500, 1e-12);
}

TEST_F(Calculation, EqualCentroidalMomentsGiveRightAngle) {
  // A right isosceles triangle, mirror-symmetric about x = y: Ixs equals Iys, Ixys does not vanish.
  Compute({{0, 0}, {6, 0}, {0, 6}});
  ASSERT_EQ(results.Ixs, results.Iys);
  EXPECT_NEAR(results.Ixys, -6.0L * 6 * 6 * 6 / 72, 1e-12);  // -b²·h²/72
  EXPECT_EQ(results.alpha, 1.5707963267948966L);
}

TEST_F(Calculation, ZeroAreaKeepsTheDerivedValues) {
  ComputeRectangle(true);
  Compute({{0, 5}, {10, 5}, {20, 5}});
  EXPECT_TRUE(context.messages.Fatal());
  EXPECT_TRUE(HasMessage("Fatal  : A = 0 !"));
  EXPECT_EQ(results.A, 0);
  EXPECT_EQ(body.polygon.count, 4);  // this run's polygon and bounds
  EXPECT_EQ(body.bounds.xmax, 20);
  EXPECT_NEAR(results.Ixx, 0, 1e-12);  // this run's sums
  EXPECT_NEAR(results.xs, 50, 1e-14);  // the previous derived values
  EXPECT_NEAR(body.volume, 31415.9265L, 1e-4);
}

TEST_F(Calculation, NoElementsKeepsEverything) {
  ComputeRectangle(true);
  context.messages.Report("old");
  body.contour.count = 0;
  Calculate(context.body, context.config, context.messages);
  EXPECT_TRUE(context.messages.Empty());
  EXPECT_FALSE(context.messages.Fatal());
  EXPECT_EQ(body.polygon.count, 5);
  EXPECT_EQ(results.A, 1000);
  ExpectRectangleBody(body);
}

TEST_F(Calculation, ZeroDensityKeepsTheVolume) {
  ComputeRectangle(true);
  body.rho = 0;
  ComputeRectangle(true);
  EXPECT_EQ(body.mass, 0);
  EXPECT_EQ(results.Jx, 0);
  EXPECT_NEAR(body.volume, 31415.9265L, 1e-4);
}

TEST(Frustum, MassAndInertiaOfCylinderAndCone) {
  MessageCollection messages;
  EXPECT_NEAR(GetMasseR(messages, 10, 10, 100, 7.8L), 0.24504422698L, 1e-11);
  EXPECT_NEAR(GetJR(messages, 10, 10, 100, 7.8L), 1.2252211349E-5L, 1e-15);
  // A full cone of radius 10, length 30: m = pi/3·r²·h·rho, J = 3/10·m·r².
  long double cone = GetMasseR(messages, 10, 0, 30, 1);
  EXPECT_NEAR(cone, kPi / 3 * 100 * 30 * 1e-6L, 1e-18);
  EXPECT_NEAR(GetJR(messages, 10, 0, 30, 1), 0.3L * cone * 100 * 1e-6L, 1e-22);
  EXPECT_LT(GetMasseR(messages, 10, 0, -30, 1), 0);  // signed length
  EXPECT_TRUE(messages.Empty());
  EXPECT_EQ(GetJR(messages, 10, -1, 30, 1), 0);
  EXPECT_EQ(messages.Text(1), "Fatal  : GetJR");
}

}  // namespace
}  // namespace kalo::testing
