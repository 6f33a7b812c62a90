// Chaining curve records into loops and turning loops into contour elements.
#include <gtest/gtest.h>

#include <numbers>
#include <numeric>

#include "edit/dxf_chains.h"
#include "edit/dxf_contour.h"
#include "dxf/dxf_geometry.h"

namespace kalo {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kTolerance = 1e-6L;

DxfCurve Curve(DxfCurveKind kind, std::vector<DxfVertex> vertices) {
  DxfCurve curve;
  curve.kind = kind;
  curve.layer = "0";
  curve.vertices = std::move(vertices);
  return curve;
}

DxfCurve Line(long double x1, long double y1, long double x2, long double y2) {
  return Curve(DxfCurveKind::Line, {{x1, y1, 0}, {x2, y2, 0}});
}

// All curves chained, each loop as its points from its first curve in the file.
std::vector<std::vector<DxfVertex>> Loops(const std::vector<DxfCurve>& curves, DxfChaining* chaining = nullptr) {
  std::vector<size_t> all(curves.size());
  std::iota(all.begin(), all.end(), 0);
  DxfChaining chained = ChainCurves(curves, all, kTolerance);
  std::vector<std::vector<DxfVertex>> loops;
  for (const DxfLoop& loop : chained.loops) loops.push_back(LoopVertices(curves, InFileOrder(loop)));
  if (chaining) *chaining = chained;
  return loops;
}

void ExpectPoints(const std::vector<DxfVertex>& got, const std::vector<DxfVertex>& expected) {
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].x, expected[i].x, 1e-12L) << "point " << i;
    EXPECT_NEAR(got[i].y, expected[i].y, 1e-12L) << "point " << i;
    EXPECT_NEAR(got[i].phi, expected[i].phi, 1e-12L) << "point " << i;
  }
}

TEST(DxfChains, InnerLinesBetweenOutlinePointsLeaveTheOutline) {
  // A square with a diagonal and a loose line hanging from a corner.
  auto loops = Loops({Line(0, 0, 10, 0), Line(10, 10, 10, 0), Line(0, 0, 10, 10), Line(10, 10, 0, 10),
                      Line(0, 10, 0, 0), Line(10, 10, 15, 15)});
  ASSERT_EQ(loops.size(), 1u);
  // Round the outside, the way the first line in the file runs.
  ExpectPoints(loops[0], {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
}

TEST(DxfChains, BridgeBetweenTwoLoopsBelongsToNeither) {
  auto loops = Loops({Line(0, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 0, 0), Line(10, 10, 20, 10),
                      Line(20, 10, 30, 10), Line(30, 10, 30, 20), Line(30, 20, 20, 10)});
  ASSERT_EQ(loops.size(), 2u);
  ExpectPoints(loops[0], {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
  ExpectPoints(loops[1], {{20, 10, 0}, {30, 10, 0}, {30, 20, 0}});
}

TEST(DxfChains, LineDrawnTwiceAndArcsBackwardsChainOnce) {
  // Half circles above and below the axis: the upper one reversed in the file.
  DxfCurve upper = Curve(DxfCurveKind::Arc, {{-5, 0, -kPi}, {5, 0, 0}});
  DxfCurve lower = Curve(DxfCurveKind::Arc, {{-5, 0, kPi}, {5, 0, 0}});
  auto loops = Loops({upper, lower, Line(-5, 0, 5, 0), Line(5, 0, -5, 0)});
  // The line drawn twice counts once, and as it runs inside the outline it is left out.
  ASSERT_EQ(loops.size(), 1u);
  ExpectPoints(loops[0], {{-5, 0, -kPi}, {5, 0, -kPi}});
  EXPECT_NEAR(SignedArea(loops[0]), -kPi * 25, 1e-9L);
}

TEST(DxfChains, OpenPolylineIsAPieceOfAChain) {
  // Joined at its ends only: its inner points are no place for other curves to join.
  DxfCurve polyline = Curve(DxfCurveKind::Polyline, {{0, 10, 0}, {10, 10, -kPi / 2}, {20, 0, 0}});
  auto loops = Loops({Line(0, 0, 0, 10), polyline, Line(0, 0, 20, 0), Line(10, 10, 10, 0)});
  ASSERT_EQ(loops.size(), 1u);
  ExpectPoints(loops[0], {{0, 0, 0}, {0, 10, 0}, {10, 10, -kPi / 2}, {20, 0, 0}});
}

TEST(DxfChains, WithoutALoopTheLongestChainNamesItsGap) {
  DxfChaining chaining;
  auto loops = Loops({Line(0, 0, 100, 0), Line(100, 0, 100, 40), Line(100, 40.5, 0, 40), Line(0, 40, 0, 0),
                      Line(200, 0, 201, 0)},
                     &chaining);
  EXPECT_TRUE(loops.empty());
  EXPECT_EQ(chaining.openFrom.x, 100);
  EXPECT_EQ(chaining.openFrom.y, 40.5L);
  EXPECT_EQ(chaining.openTo.x, 100);
  EXPECT_EQ(chaining.openTo.y, 40);
}

TEST(DxfContourElements, ClockwiseLoopTurnsRoundElementOne) {
  auto elements = ContourElementsOf({{0, 0, 0}, {0, 10, 0}, {20, 10, -kPi / 2}, {30, 0, 0}}, kTolerance);
  ExpectPoints(elements, {{0, 0, 0}, {30, 0, kPi / 2}, {20, 10, 0}, {0, 10, 0}});
}

TEST(DxfContourElements, ClosingArcGetsALastElementOnElementOne) {
  auto elements = ContourElementsOf({{10, 0, kPi}, {-10, 0, kPi}}, kTolerance);
  // The lower half circle lies below the axis and becomes the axis.
  ExpectPoints(elements, {{10, 0, kPi}, {-10, 0, 0}});
  elements = ContourElementsOf({{0, 10, 0}, {10, 10, kPi / 2}, {0, 20, kPi / 2}}, kTolerance);
  ExpectPoints(elements, {{0, 10, 0}, {10, 10, kPi / 2}, {0, 20, kPi / 2}, {0, 10, 0}});
}

TEST(DxfContourElements, LoopBelowTheAxisIsMirroredAndShortSegmentsMerge) {
  auto elements =
      ContourElementsOf({{0, -10, 0}, {20, -10, 0}, {20, -10.0000001L, 0}, {20, -30, 0}, {0, -30, 0}}, kTolerance);
  ExpectPoints(elements, {{0, 10, 0}, {20, 10, 0}, {20, 30, 0}, {0, 30, 0}});
}

}  // namespace
}  // namespace kalo
