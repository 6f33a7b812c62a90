// Bodies whose values went wrong before: arcs that end on the axis, small fillets in chord
// mode, arcs of tiny sweep in exact mode, fine divisions with true arcs, and results that a
// report cannot write.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

#include "calc/contour_fixture.h"
#include "calc/solid_properties.h"
#include "messages/messages.h"
#include "platform/codepage.h"

namespace kalo::testing {
namespace {

long double Relative(long double a, long double b) { return std::fabs(a - b) / std::fabs(b); }

bool HasMessage(const Context& context, const std::string& text) {
  for (const std::string& message : context.messages.Texts())
    if (message == text) return true;
  return false;
}

class TrustedValues : public ::testing::Test, public CalculationFixture {
 protected:
  long double ElementSharesOfJx() {
    MessageCollection ignored;
    SolidProperties solid = ComputeSolidProperties(body, ArcModel::Chords, ignored, context.Numbers());
    return std::accumulate(solid.elementJx.begin(), solid.elementJx.end(), 0.0L);
  }
  // A rim 16.9 mm wide between the radii 338 and 350, its four corners rounded with R1.27:
  // the chord points of each fillet end a rounding step away from the next point.
  void ComputeRoundedRim(bool exact) {
    context.config.exactArcs = exact;
    const long double r = 1.27L, x0 = 0, x1 = 16.9L, y0 = 338, y1 = 350;
    Compute({{x0 + r, y0},
             {x1 - r, y0, 90},
             {x1, y0 + r},
             {x1, y1 - r, 90},
             {x1 - r, y1},
             {x0 + r, y1, 90},
             {x0, y1 - r},
             {x0, y0 + r, 90}});
  }
};

TEST_F(TrustedValues, ArcsEndingOnTheAxisLeaveNothingOut) {
  for (long double division : {5.0L, 1.0L, 7.3L, 0.2L}) {
    Compute({{50, 0, 180}, {-50, 0}}, division);  // a sphere
    EXPECT_TRUE(context.messages.Empty()) << division << ": " << context.messages.Text(1);
    EXPECT_LT(Relative(ElementSharesOfJx(), results.Jx), 1e-15L);
    // The chord polygon lies inside the sphere and approaches it as the division shrinks.
    long double sphere = 4 * kPi * 50 * 50 * 50 / 3;
    EXPECT_LT(body.volume, sphere);
    EXPECT_LT(Relative(body.volume, sphere), 2 * DegToRad(division) * DegToRad(division));
  }
  Compute({{0, 0}, {100, 0, 90}, {80, 20}, {0, 20}});  // a cylinder with a rounded end
  EXPECT_TRUE(context.messages.Empty());
}

TEST_F(TrustedValues, FilletsInChordModeGiveTheSameJxAsTheTrueArcs) {
  ComputeRoundedRim(true);
  long double exact = results.Jx;
  ComputeRoundedRim(false);
  EXPECT_TRUE(context.messages.Empty());
  // The chords cut off a few hundredths of a square millimetre of the fillets.
  EXPECT_LT(Relative(results.Jx, exact), 1e-4L);
  EXPECT_LT(Relative(ElementSharesOfJx(), results.Jx), 1e-12L);
}

TEST_F(TrustedValues, ExactArcsOfTinySweepDepartFromTheirChordInProportion) {
  // A 50 x 30 rectangle whose top edge is an arc: for small sweeps every value moves away
  // from the rectangle's in proportion to the sweep.
  context.config.exactArcs = true;
  auto jx = [&](long double sweep) {
    Compute({{0, 0}, {50, 0}, {50, 30, RadToDeg(sweep)}, {0, 30}});
    EXPECT_TRUE(context.messages.Empty());
    EXPECT_GT(results.Iyy, 0);
    return results.Jx;
  };
  long double rectangle = jx(0);
  EXPECT_LT(Relative(rectangle, kPi / 2 * 30 * 30 * 30 * 30 * 50 * body.rho * 1e-12L), 1e-15L);
  long double slope = (jx(1e-3L) - rectangle) / 1e-3L;
  for (long double sweep : {1e-9L, 1e-7L, 1e-5L, 1e-4L})
    EXPECT_LT(Relative((jx(sweep) - rectangle) / sweep, slope), 2e-3L) << sweep;
  // Convex outward (positive sweep here turns the top edge upwards): Jx grows.
  EXPECT_GT(slope, 0);
}

TEST_F(TrustedValues, ExactArcsDoNotDependOnTheChordPolygon) {
  context.config.exactArcs = true;
  Compute({{10, 20, 180}, {-10, 20, 180}, {10, 20}}, 5);  // a torus
  long double volume = body.volume;
  Compute({{10, 20, 180}, {-10, 20, 180}, {10, 20}}, 0.01L);  // 36000 chords would not fit
  ASSERT_FALSE(context.messages.Fatal()) << context.messages.Text(1);
  EXPECT_EQ(body.volume, volume);
  EXPECT_LE(body.polygon.count, kMaxPolygonIndex);
}

// Arc angles of a damaged data file: hundreds of turns or no number at all fail as they do
// with chords, and quickly; an arc of a few turns runs over itself and is refused as an
// outline that crosses itself.
TEST_F(TrustedValues, ArcsOfManyTurnsEndInTimeWithTrueArcs) {
  context.config.exactArcs = true;
  for (long double phiDeg : {1e14L, static_cast<long double>(INFINITY), static_cast<long double>(NAN)}) {
    Compute({{10, 20, phiDeg}, {-10, 20}, {0, 30}}, 0.1L);
    EXPECT_TRUE(context.messages.Fatal()) << static_cast<double>(phiDeg);
  }
  Compute({{10, 20, 720 + 180}, {-10, 20}}, 5);  // two and a half turns
  EXPECT_TRUE(HasMessage(context, Oem("Fatal  : Überschneidung El. 1/1")));
}

// An outline that crosses itself bounds no body and gets no values; a clockwise one gets the
// values with negative area and moments, and a note.
TEST_F(TrustedValues, AnOutlineThatCrossesItselfIsRefused) {
  for (bool exact : {false, true}) {
    context.config.exactArcs = exact;
    Compute({{0, 20}, {60, 80}, {60, 20}, {0, 60}});
    EXPECT_TRUE(context.messages.Fatal()) << exact;
    EXPECT_TRUE(HasMessage(context, Oem("Fatal  : Überschneidung El. 1/3")));
    Compute({{0, 20}, {0, 60}, {60, 60}, {60, 20}});
    EXPECT_FALSE(context.messages.Fatal()) << exact;
    EXPECT_EQ(body.results.A, -2400);
    EXPECT_TRUE(HasMessage(context, "Kontur im Uhrzeigersinn: A < 0"));
    // A slit cut in and out along one line touches itself only.
    Compute({{0, 0}, {100, 0}, {100, 50}, {50, 50}, {50, 10}, {50, 50}, {0, 50}});
    EXPECT_FALSE(context.messages.Fatal()) << exact;
  }
  // A wall 1 mm thin between arcs of radius 100 and 99 whose chords of 30 degrees do not
  // line up: as chords it crosses itself, as true arcs it does not.
  const long double inner = 99, start = 5 * kPi / 180;
  auto wall = [&](bool exact) {
    context.config.exactArcs = exact;
    Compute({{100, 0, 90},
             {0, 100},
             {inner * std::sin(start), inner * std::cos(start), -80},
             {inner * std::cos(start), inner * std::sin(start)}},
            30);
  };
  wall(false);
  EXPECT_TRUE(context.messages.Fatal());
  wall(true);
  EXPECT_FALSE(context.messages.Fatal());
  EXPECT_GT(body.results.A, 0);
}

TEST_F(TrustedValues, PointsBelowTheAxisAreAFailure) {
  for (bool exact : {false, true}) {
    context.config.exactArcs = exact;
    Compute({{0, 0}, {100, 0}, {100, 5}, {50, -5}, {0, 5}});
    EXPECT_TRUE(context.messages.Fatal()) << exact;
    EXPECT_TRUE(HasMessage(context, "Fatal  : GetMasseR"));
    // A rounding step below the axis is on it.
    Compute({{0, -1e-15L}, {100, 0}, {100, 5}, {0, 5}});
    EXPECT_FALSE(context.messages.Fatal()) << exact;
  }
}

TEST_F(TrustedValues, ResultsBeyondWhatAReportWritesAreAnOverflow) {
  for (long double size : {1e70L, 1e100L, 1e200L, 1e308L}) {
    Compute({{0, 0}, {size, 0}, {size, size}, {0, size}});
    EXPECT_TRUE(context.messages.Fatal()) << static_cast<double>(size);
    EXPECT_TRUE(HasMessage(context, Oem("Fatal  : Zahlenüberlauf !")));
  }
  Compute({{0, 0}, {1e40L, 0}, {1e40L, 1e40L}, {0, 1e40L}});
  EXPECT_FALSE(context.messages.Fatal());
}

}  // namespace
}  // namespace kalo::testing
