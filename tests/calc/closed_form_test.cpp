// Bodies whose volume, mass and mass moment of inertia are known in closed form.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/contour_fixture.h"

namespace kalo::testing {
namespace {

constexpr long double kRho = 7.8L;
constexpr long double kTight = 1e-15L;  // relative: only rounding separates the values

long double MassOf(long double volumeMm3) { return volumeMm3 * kRho * 1e-6L; }
long double RelativeError(long double actual, long double expected) {
  return std::fabs(actual - expected) / std::fabs(expected);
}

class ClosedForm : public ::testing::Test, public CalculationFixture {
 protected:
  // Volume, mass and Jx (kg·mm² given, compared in kg·m²) and Pappus' rule V = 2·pi·ys·A.
  void ExpectBody(long double volume, long double jxKgMm2, long double tolerance) {
    EXPECT_FALSE(context.messages.Fatal());
    EXPECT_LT(RelativeError(body.volume, volume), tolerance);
    EXPECT_LT(RelativeError(body.mass, MassOf(volume)), tolerance);
    EXPECT_LT(RelativeError(results.Jx, jxKgMm2 * 1e-6L), tolerance);
    EXPECT_LT(RelativeError(2 * kPi * results.ys * results.A, volume), tolerance);
  }
};

TEST_F(ClosedForm, FullCylinder) {
  const long double r = 20, length = 50;
  Compute({{0, 0}, {length, 0}, {length, r}, {0, r}});
  long double volume = kPi * r * r * length;
  ExpectBody(volume, MassOf(volume) * r * r / 2, kTight);
  EXPECT_NEAR(results.xs, 25, 1e-15);
  EXPECT_NEAR(results.ys, 10, 1e-15);
}

TEST_F(ClosedForm, Tube) {
  const long double inner = 10, outer = 20, length = 50;
  Compute({{0, inner}, {length, inner}, {length, outer}, {0, outer}});
  long double volume = kPi * (outer * outer - inner * inner) * length;
  ExpectBody(volume, MassOf(volume) * (outer * outer + inner * inner) / 2, kTight);
  EXPECT_NEAR(results.ys, 15, 1e-15);
}

TEST_F(ClosedForm, ConeFrustumWithCentroidOfTrapezoid) {
  const long double r1 = 10, r2 = 30, h = 40;
  Compute({{0, 0}, {h, 0}, {h, r2}, {0, r1}});
  long double volume = kPi * h / 3 * (r1 * r1 + r1 * r2 + r2 * r2);
  long double jx = kRho * 1e-6L * kPi * h / 10 * (std::pow(r2, 5) - std::pow(r1, 5)) / (r2 - r1);
  ExpectBody(volume, jx, 1e-14L);
  EXPECT_NEAR(results.A, h * (r1 + r2) / 2, 1e-12);
  EXPECT_NEAR(results.xs, h * (r1 + 2 * r2) / (3 * (r1 + r2)), 1e-14);
  EXPECT_NEAR(results.ys, (r1 * r1 + r1 * r2 + r2 * r2) / (3 * (r1 + r2)), 1e-14);
}

// Relative errors of V and Jx for a series of arc division angles.
struct Convergence {
  std::vector<long double> divisions;
  std::vector<long double> volume;
  std::vector<long double> inertia;
};

// Each error falls with the angle, with its square between the last two angles, and is
// tiny at the finest angle.
void ExpectConvergence(const Convergence& errors) {
  size_t last = errors.divisions.size() - 1;
  long double squareRatio = std::pow(errors.divisions[last - 1] / errors.divisions[last], 2);
  for (const auto* series : {&errors.volume, &errors.inertia}) {
    for (size_t i = 1; i <= last; ++i) EXPECT_LT((*series)[i], (*series)[i - 1]);
    long double ratio = (*series)[last - 1] / (*series)[last];
    EXPECT_GT(ratio, 0.8L * squareRatio);
    EXPECT_LT(ratio, 1.2L * squareRatio);
    EXPECT_LT((*series)[last], 5e-6L);
  }
}

TEST_F(ClosedForm, SphereFromHalfDiscConverges) {
  const long double radius = 30;
  long double volume = 4.0L / 3 * kPi * radius * radius * radius;
  Convergence errors{{5, 1, 0.5L, 0.1L}, {}, {}};
  for (long double division : errors.divisions) {
    Compute({{radius, 0, 180}, {-radius, 0}}, division);
    EXPECT_FALSE(context.messages.Fatal());
    errors.volume.push_back(RelativeError(body.volume, volume));
    errors.inertia.push_back(RelativeError(results.Jx, 0.4L * body.mass * radius * radius * 1e-6L));
  }
  ExpectConvergence(errors);
}

void ExpectTorusConverges(CalculationFixture& fixture, bool fourArcs) {
  const long double big = 40, tube = 10;
  long double volume = 2 * kPi * kPi * big * tube * tube;
  // A full circle at 0.1 degrees would pass the polygon limit.
  Convergence errors{{5, 1, 0.5L, 0.2L}, {}, {}};
  for (long double division : errors.divisions) {
    if (fourArcs)
      fixture.Compute({{tube, big, 90}, {0, big + tube, 90}, {-tube, big, 90}, {0, big - tube, 90}, {tube, big}},
                  division);
    else
      fixture.Compute({{tube, big, 180}, {-tube, big, 180}, {tube, big}}, division);
    EXPECT_FALSE(fixture.context.messages.Fatal());
    errors.volume.push_back(RelativeError(fixture.body.volume, volume));
    long double jx = fixture.body.mass * (big * big + 0.75L * tube * tube) * 1e-6L;
    errors.inertia.push_back(RelativeError(fixture.results.Jx, jx));
  }
  ExpectConvergence(errors);
}

TEST_F(ClosedForm, TorusFromTwoArcsConverges) { ExpectTorusConverges(*this, false); }

TEST_F(ClosedForm, TorusFromFourArcsConverges) { ExpectTorusConverges(*this, true); }

// A clockwise torus: negative arcs give the same body.
TEST_F(ClosedForm, ClockwiseTorusEqualsCounterClockwise) {
  Compute({{10, 40, -180}, {-10, 40, -180}, {10, 40}}, 0.5L);
  long double clockwiseVolume = body.volume, clockwiseJx = results.Jx, clockwiseA = results.A;
  Compute({{10, 40, 180}, {-10, 40, 180}, {10, 40}}, 0.5L);
  EXPECT_NEAR(clockwiseVolume, body.volume, 1e-9L * body.volume);
  EXPECT_NEAR(clockwiseJx, results.Jx, 1e-9L * results.Jx);
  EXPECT_NEAR(clockwiseA, -results.A, 1e-9L * results.A);
}

}  // namespace
}  // namespace kalo::testing
