#include "calc/contour_check.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "datafile/data_file_reader.h"
#include "geometry/plane_geometry.h"
#include "platform/codepage.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

// Points (x, y) with the arc angle in degrees of the segment to the next point.
struct Vertex {
  long double x;
  long double y;
  long double phiDeg = 0;
};

ContourFindings Check(std::initializer_list<Vertex> vertices, long double arcDivisionDegrees = 5) {
  Contour contour;
  contour.Reset();
  int i = 0;
  for (const Vertex& v : vertices) contour[++i] = {v.x, v.y, DegToRad(v.phiDeg)};
  contour.count = static_cast<uint16_t>(i);
  return CheckContour(contour, arcDivisionDegrees);
}

::testing::AssertionResult Crossing(const ContourFindings& findings, int first, int second) {
  if (findings.crossingFirst == first && findings.crossingSecond == second) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "crossing " << findings.crossingFirst << " and " << findings.crossingSecond;
}

TEST(ContourCheck, CrossingsNameTheirElements) {
  // A bow tie: element 1 from (0, 10) to (20, 20) crosses element 3 back to (0, 20).
  ContourFindings bowTie = Check({{0, 10}, {20, 20}, {20, 10}, {0, 20}});
  EXPECT_TRUE(Crossing(bowTie, 1, 3));
  EXPECT_FALSE(bowTie.clockwise) << "its two loops cancel";
  EXPECT_EQ(ContourWarnings(bowTie), std::vector<std::string>{Oem("Warnung: Kontur überschneidet sich (Elemente 1 und 3)")});

  // The same figure eight, crossing where elements 1 and 2 meet on element 4.
  EXPECT_TRUE(Crossing(Check({{0, 10}, {10, 20}, {20, 30}, {20, 10}, {0, 30}}), 1, 4));

  // A C-shaped section whose outer lip (element 5) bulges by a 150 degree arc across the
  // inner one (element 3); straight it is a simple outline.
  std::initializer_list<Vertex> lip = {{0, 10}, {50, 10}, {50, 20}, {20, 20}, {20, 30}, {50, 30}, {50, 40}, {0, 40}};
  EXPECT_FALSE(Check(lip).Any());
  EXPECT_TRUE(Crossing(Check({{0, 10}, {50, 10}, {50, 20}, {20, 20}, {20, 30, 150}, {50, 30}, {50, 40}, {0, 40}}), 3, 5));
}

TEST(ContourCheck, TouchingIsNoCrossing) {
  // A hole reached by a slit cut in and out along y = 30; the hole runs clockwise.
  EXPECT_FALSE(Check({{0, 10}, {60, 10}, {60, 50}, {0, 50}, {0, 30}, {20, 30}, {20, 40}, {40, 40}, {40, 20},
                      {20, 20}, {20, 30}, {0, 30}})
                   .Any());
  // Repeated points and a last point back on the first one.
  EXPECT_FALSE(Check({{0, 0}, {10, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}).Any());
}

TEST(ContourCheck, ClockwiseAndBelowTheAxis) {
  ContourFindings clockwise = Check({{0, 0}, {0, 10}, {100, 10}, {100, 0}});
  EXPECT_TRUE(clockwise.clockwise);
  EXPECT_TRUE(clockwise.belowAxis.empty()) << "points on the axis are not below it";
  EXPECT_EQ(ContourWarnings(clockwise), std::vector<std::string>{Oem("Warnung: Kontur im Uhrzeigersinn (negative Fläche)")});

  ContourFindings below = Check({{0, 0}, {100, -5}, {100, 10}, {0, 10}, {-1, -0.5L}});
  EXPECT_EQ(below.belowAxis, (std::vector<int>{2, 5}));
  EXPECT_FALSE(below.clockwise);
  EXPECT_EQ(ContourWarnings(below), std::vector<std::string>{"Warnung: Punkte unterhalb der Achse (y < 0): 2, 5"});

  // A half sphere entered with the wrong turn: its arc runs below the axis, clockwise.
  ContourFindings wrongTurn = Check({{50, 0, -180}, {-50, 0}});
  EXPECT_EQ(wrongTurn.belowAxis, std::vector<int>{1});
  EXPECT_TRUE(wrongTurn.clockwise);
  EXPECT_FALSE(Check({{50, 0, 180}, {-50, 0}}).Any());
  EXPECT_FALSE(Check({{50, 0, 180}, {-50, 0}}, 0).Any()) << "no division still gives a bounded outline";
  // A quarter circle about (10, 10) that ends on the axis touches it without passing below.
  EXPECT_FALSE(Check({{0, 10, 90}, {10, 0}, {30, 0}, {30, 20}, {0, 20}}).Any());
}

TEST(ContourCheck, ManyFindingsStayShort) {
  Contour contour;
  contour.Reset();
  contour.count = 12;
  for (int i = 1; i <= 12; ++i) contour[i] = {static_cast<long double>(i), -1, 0};
  contour[12].y = -5;  // a thin sliver below the axis, running clockwise
  ContourFindings findings = CheckContour(contour, 5);
  std::vector<std::string> warnings = ContourWarnings(findings);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0], "Warnung: Punkte unterhalb der Achse (y < 0): 1, 2, 3, 4, 5, 6, 7, 8, ...");

  contour.count = 1;
  EXPECT_FALSE(CheckContour(contour, 5).Any());
  contour.count = 0;
  EXPECT_FALSE(CheckContour(contour, 5).Any());
}

class ShippedContour : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedContour, HasNoFindings) {
  TestContext test;
  ASSERT_TRUE(ReadDataFile(test.context, std::string(KALO_SOURCE_DIR) + "/data/examples/" + GetParam() + ".kal"));
  const Body& body = test.context.body;
  ContourFindings findings = CheckContour(body.contour, body.arcDivisionAngle);
  EXPECT_FALSE(findings.Any()) << ContourWarnings(findings).front();
}

INSTANTIATE_TEST_SUITE_P(Examples, ShippedContour, ::testing::Values("shaft", "flange", "pulley", "sphere", "torus"));

}  // namespace
}  // namespace kalo::testing
