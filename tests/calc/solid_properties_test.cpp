// Centre of mass, transverse inertia, surface and radii of gyration against closed forms,
// with chords and with the true arcs.
#include "calc/solid_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "calc/contour_fixture.h"

namespace kalo::testing {
namespace {

constexpr long double kRho = 7.8L;

long double MassOf(long double volumeMm3) { return volumeMm3 * kRho * 1e-6L; }
long double Relative(long double actual, long double expected) {
  return std::fabs(actual - expected) / std::fabs(expected);
}

// Closed-form values of a solid; inertias in kg·mm² as the formulas give them.
struct Expected {
  long double volume, jx, centreOfMass, jyCentre, surface;
};

class SolidPropertiesTest : public ::testing::Test, public CalculationFixture {
 protected:
  SolidProperties Solid(ArcModel model) {
    return ComputeSolidProperties(body, model, context.messages, context.Numbers());
  }
  void ExpectSolid(const SolidProperties& s, const Expected& e, long double tolerance) {
    long double mass = MassOf(e.volume);
    EXPECT_LT(Relative(s.volume, e.volume), tolerance);
    EXPECT_LT(Relative(s.mass, mass), tolerance);
    EXPECT_LT(Relative(s.Jx, e.jx * 1e-6L), tolerance);
    EXPECT_NEAR(s.centreOfMass, e.centreOfMass, tolerance * 100);
    EXPECT_LT(Relative(s.JyCentre, e.jyCentre * 1e-6L), tolerance);
    long double jyOrigin = (e.jyCentre + mass * e.centreOfMass * e.centreOfMass) * 1e-6L;
    EXPECT_LT(Relative(s.JyOrigin, jyOrigin), tolerance);
    EXPECT_LT(Relative(s.surface, e.surface), tolerance);
    EXPECT_LT(Relative(s.gyrationX, std::sqrt(e.jx / mass)), tolerance);
    EXPECT_LT(Relative(s.gyrationY, std::sqrt(e.jyCentre / mass)), tolerance);
    long double elementSum = std::accumulate(s.elementJx.begin(), s.elementJx.end(), 0.0L);
    EXPECT_LT(Relative(elementSum, s.Jx), tolerance);
  }
};

TEST_F(SolidPropertiesTest, CylinderOffTheOrigin) {
  const long double r = 20, length = 50, start = 30;
  SetContour({{start, 0}, {start + length, 0}, {start + length, r}, {start, r}});
  long double volume = kPi * r * r * length, mass = MassOf(volume);
  Expected e{volume, mass * r * r / 2, start + length / 2, mass * (3 * r * r + length * length) / 12,
             2 * kPi * r * length + 2 * kPi * r * r};
  for (ArcModel model : {ArcModel::Chords, ArcModel::Exact}) ExpectSolid(Solid(model), e, 1e-15L);
  // Only the outer line sweeps a volume from the axis; the end faces and the axis give none.
  SolidProperties s = Solid(ArcModel::Chords);
  ASSERT_EQ(s.elementJx.size(), 4u);
  EXPECT_EQ(s.elementJx[0], 0);
  EXPECT_EQ(s.elementJx[1], 0);
  EXPECT_LT(Relative(s.elementJx[2], s.Jx), 1e-18L);
}

TEST_F(SolidPropertiesTest, ClockwiseTubeEqualsCounterClockwise) {
  const long double inner = 10, outer = 20, length = 50;
  long double volume = kPi * (outer * outer - inner * inner) * length, mass = MassOf(volume);
  Expected e{volume, mass * (outer * outer + inner * inner) / 2, length / 2,
             mass * (3 * (outer * outer + inner * inner) + length * length) / 12,
             2 * kPi * (outer + inner) * length + 2 * kPi * (outer * outer - inner * inner)};
  SetContour({{0, inner}, {length, inner}, {length, outer}, {0, outer}});
  ExpectSolid(Solid(ArcModel::Chords), e, 1e-15L);
  SetContour({{0, outer}, {length, outer}, {length, inner}, {0, inner}});
  ExpectSolid(Solid(ArcModel::Chords), e, 1e-15L);
}

TEST_F(SolidPropertiesTest, ConeWithTipAtTheOrigin) {
  const long double r = 30, h = 40;
  SetContour({{0, 0}, {h, 0}, {h, r}});
  long double volume = kPi * r * r * h / 3, mass = MassOf(volume);
  Expected e{volume, 0.3L * mass * r * r, 0.75L * h, mass * (3 * r * r / 20 + 3 * h * h / 80),
             kPi * r * std::hypot(r, h) + kPi * r * r};
  ExpectSolid(Solid(ArcModel::Chords), e, 1e-14L);
}

TEST_F(SolidPropertiesTest, FrustumSurfaceAndCentreOfMass) {
  const long double r1 = 10, r2 = 30, h = 40;
  SetContour({{0, 0}, {h, 0}, {h, r2}, {0, r1}});
  SolidProperties s = Solid(ArcModel::Chords);
  long double slant = std::hypot(h, r2 - r1);
  EXPECT_LT(Relative(s.surface, kPi * (r1 + r2) * slant + kPi * (r1 * r1 + r2 * r2)), 1e-15L);
  long double sumOfSquares = r1 * r1 + r1 * r2 + r2 * r2;
  EXPECT_NEAR(s.centreOfMass, h * (r1 * r1 + 2 * r1 * r2 + 3 * r2 * r2) / (4 * sumOfSquares), 1e-14);
}

// The frustum sums of the calculation and these integrals agree on the same polygon.
TEST_F(SolidPropertiesTest, ChordsAgreeWithTheCalculation) {
  Compute({{40, 0, 90}, {0, 40}, {0, 0}}, 5);
  SolidProperties s = Solid(ArcModel::Chords);
  EXPECT_LT(Relative(s.mass, body.mass), 1e-15L);
  EXPECT_LT(Relative(s.Jx, results.Jx), 1e-15L);
  EXPECT_LT(Relative(s.volume, body.volume), 1e-15L);
}

TEST_F(SolidPropertiesTest, SphereFromTwoArcsIsExactAtEveryDivision) {
  const long double r = 30, centre = 12;
  long double volume = 4.0L / 3 * kPi * r * r * r, mass = MassOf(volume);
  Expected e{volume, 0.4L * mass * r * r, centre, 0.4L * mass * r * r, 4 * kPi * r * r};
  for (long double division : {1.0L, 5.0L, 30.0L}) {
    SetContour({{centre + r, 0, 90}, {centre, r, 90}, {centre - r, 0}});
    body.arcDivisionAngle = division;
    ExpectSolid(Solid(ArcModel::Exact), e, 1e-13L);
  }
}

TEST_F(SolidPropertiesTest, TorusFromFourArcsBothWays) {
  const long double big = 40, tube = 10, centre = -25;
  long double volume = 2 * kPi * kPi * big * tube * tube, mass = MassOf(volume);
  Expected e{volume, mass * (big * big + 0.75L * tube * tube), centre,
             mass * (big * big / 2 + 5 * tube * tube / 8), 4 * kPi * kPi * big * tube};
  SetContour({{centre + tube, big, 90}, {centre, big + tube, 90}, {centre - tube, big, 90},
              {centre, big - tube, 90}, {centre + tube, big}});
  ExpectSolid(Solid(ArcModel::Exact), e, 1e-13L);
  SetContour({{centre + tube, big, -180}, {centre - tube, big, -180}, {centre + tube, big}});
  ExpectSolid(Solid(ArcModel::Exact), e, 1e-13L);
}

// A rim x 0..w, y inner..outer whose two outer corners are rounded with radius c: volume
// and surface from Pappus' rules with the centroids of the corner pieces and of the arcs.
TEST_F(SolidPropertiesTest, RoundedRimAgainstPappus) {
  const long double w = 60, inner = 50, outer = 80, c = 8;
  SetContour({{0, inner}, {w, inner}, {w, outer - c, 90}, {w - c, outer}, {c, outer, 90}, {0, outer - c}});
  long double spandrel = (1 - kPi / 4) * c * c;
  long double spandrelDepth = (5.0L / 6 - kPi / 4) / (1 - kPi / 4) * c;  // centroid below y = outer
  long double sx = w * (outer - inner) * (outer + inner) / 2 - 2 * spandrel * (outer - spandrelDepth);
  long double straight = (w - 2 * c) * outer + (outer - c) * (outer - c) - inner * inner + w * inner;
  long double arcs = 2 * (kPi * c / 2) * (outer - c + 2 * c / kPi);
  SolidProperties s = Solid(ArcModel::Exact);
  EXPECT_LT(Relative(s.volume, 2 * kPi * sx), 1e-14L);
  EXPECT_LT(Relative(s.surface, 2 * kPi * (straight + arcs)), 1e-14L);
  EXPECT_NEAR(s.centreOfMass, w / 2, 1e-12);
}

// The quick totals (from the calculation's own polygon with chords) agree with the sums of
// the element shares.
TEST_F(SolidPropertiesTest, TotalsAgreeWithTheElementByElementSums) {
  Compute({{0, 10}, {50, 10}, {50, 30, 90}, {30, 50}, {0, 50, -60}}, 5);
  for (ArcModel model : {ArcModel::Chords, ArcModel::Exact}) {
    SolidProperties full = Solid(model);
    SolidProperties totals = ComputeSolidTotals(body, model, context.messages, context.Numbers());
    EXPECT_TRUE(totals.elementJx.empty());
    for (auto member : {&SolidProperties::volume, &SolidProperties::mass, &SolidProperties::Jx,
                        &SolidProperties::centreOfMass, &SolidProperties::JyCentre, &SolidProperties::JyOrigin,
                        &SolidProperties::surface, &SolidProperties::gyrationX, &SolidProperties::gyrationY})
      EXPECT_LT(Relative(totals.*member, full.*member), 1e-15L);
  }
}

// "Bögen exakt" makes the calculation itself exact.
TEST_F(SolidPropertiesTest, ExactArcSettingReachesTheCalculation) {
  const long double r = 30;
  long double volume = 4.0L / 3 * kPi * r * r * r;
  context.config.exactArcs = true;
  for (long double division : {0.5L, 5.0L, 30.0L}) {
    Compute({{r, 0, 180}, {-r, 0}}, division);
    EXPECT_FALSE(context.messages.Fatal());
    EXPECT_LT(Relative(body.volume, volume), 1e-12L);
    EXPECT_LT(Relative(body.mass, MassOf(volume)), 1e-12L);
    EXPECT_LT(Relative(results.Jx, 0.4L * MassOf(volume) * r * r * 1e-6L), 1e-12L);
    EXPECT_LT(Relative(results.A, kPi * r * r / 2), 1e-12L);
    EXPECT_NEAR(results.ys, 4 * r / (3 * kPi), 1e-12);
    EXPECT_LT(Relative(results.Ixx, kPi * r * r * r * r / 8), 1e-12L);
  }
  context.config.exactArcs = false;
  Compute({{r, 0, 180}, {-r, 0}}, 5);
  EXPECT_GT(Relative(body.volume, volume), 1e-4L);
}

TEST_F(SolidPropertiesTest, ExactArcsStillReportPointsBelowTheAxis) {
  context.config.exactArcs = true;
  Compute({{0, -1}, {10, 0}, {10, 5}, {0, 5}});
  EXPECT_EQ(context.messages.Count(), 2u);
  EXPECT_EQ(context.messages.Text(1), "Fatal  : GetMasseR");
}

}  // namespace
}  // namespace kalo::testing
