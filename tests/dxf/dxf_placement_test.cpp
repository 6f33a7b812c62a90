// Curves placed from entities and blocks: object planes, block insertions, splines,
// ellipses and units.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "dxf/dxf_geometry.h"
#include "dxf/dxf_placement.h"
#include "dxf/dxf_text.h"
#include "dxf/dxf_units.h"

namespace kalo::testing {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

std::string Block(const std::string& name, const std::string& entities, const std::string& base = "0") {
  return Groups({{0, "BLOCK"}, {2, name}, {10, base}, {20, "0"}}) + entities + Groups({{0, "ENDBLK"}});
}

std::string Insert(const std::string& name, const std::vector<std::pair<int, std::string>>& more = {}) {
  std::vector<std::pair<int, std::string>> groups{{0, "INSERT"}, {8, "TEILE"}, {2, name}};
  groups.insert(groups.end(), more.begin(), more.end());
  return Groups(groups);
}

const std::string kUnitLine = Groups({{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "10"}, {21, "0"}});
const std::string kQuarterArc = Groups({{0, "ARC"}, {8, "B"}, {10, "0"}, {20, "0"}, {40, "10"}, {50, "0"}, {51, "90"}});

Outcome Place(const std::string& blocks, const std::string& entities, DxfPlacedCurves& placed,
              long double millimetres = 1) {
  DxfDrawing drawing;
  std::string text = Section("BLOCKS", blocks) + Section("ENTITIES", entities) + Groups({{0, "EOF"}});
  Outcome read = ReadDxfText(text, drawing);
  return read ? PlaceCurves(drawing, {millimetres, 0.001L}, placed) : read;
}

DxfPlacedCurves Placed(const std::string& blocks, const std::string& entities, long double millimetres = 1) {
  DxfPlacedCurves placed;
  Outcome outcome = Place(blocks, entities, placed, millimetres);
  EXPECT_TRUE(outcome) << outcome.Message();
  return placed;
}

std::string PlaceError(const std::string& blocks, const std::string& entities) {
  DxfPlacedCurves placed;
  Outcome outcome = Place(blocks, entities, placed);
  EXPECT_TRUE(outcome.IsFailure());
  return outcome.Message();
}

void ExpectPoint(const DxfVertex& v, long double x, long double y, long double phi) {
  EXPECT_NEAR(v.x, x, 1e-12);
  EXPECT_NEAR(v.y, y, 1e-12);
  EXPECT_NEAR(v.phi, phi, 1e-12);
}

TEST(DxfPlacement, InsertRotatesScalesMirrorsAndNests) {
  // Base point (5, 0) goes to (100, 50); turned a quarter, twice the size.
  DxfPlacedCurves placed = Placed(Block("A", kUnitLine, "5"), Insert("A", {{10, "100"}, {20, "50"}, {41, "2"}, {42, "2"}, {50, "90"}}));
  ASSERT_EQ(placed.curves.size(), 1u);
  ExpectPoint(placed.curves[0].vertices[0], 100, 40, 0);
  ExpectPoint(placed.curves[0].vertices[1], 100, 60, 0);
  EXPECT_EQ(placed.curves[0].layer, "TEILE");  // layer "0" in a block takes the INSERT's

  // Mirrored by a negative scale, an arc turns the other way; B inside A nests the maps.
  placed = Placed(Block("B", kQuarterArc) + Block("A", Insert("B", {{41, "-1"}})), Insert("A", {{10, "1"}, {20, "2"}}));
  ASSERT_EQ(placed.curves.size(), 1u);
  ExpectPoint(placed.curves[0].vertices[0], -9, 2, -kPi / 2);
  ExpectPoint(placed.curves[0].vertices[1], 1, 12, 0);
  EXPECT_EQ(placed.curves[0].layer, "B");

  // An array of 2 columns 30 apart.
  placed = Placed(Block("A", kUnitLine), Insert("A", {{70, "2"}, {44, "30"}}));
  ASSERT_EQ(placed.curves.size(), 2u);
  ExpectPoint(placed.curves[1].vertices[0], 30, 0, 0);
}

TEST(DxfPlacement, UnevenScaleTurnsArcsIntoArcsAndLinesOnTheEllipse) {
  DxfPlacedCurves placed = Placed(Block("B", kQuarterArc), Insert("B", {{41, "3"}, {42, "1"}}));
  ASSERT_EQ(placed.curves.size(), 1u);
  const DxfCurve& curve = placed.curves[0];
  EXPECT_TRUE(curve.approximated);
  EXPECT_GT(curve.vertices.size(), 3u);
  for (const DxfVertex& v : curve.vertices) EXPECT_NEAR(std::pow(v.x / 30, 2) + std::pow(v.y / 10, 2), 1, 1e-9);
  // The quarter ellipse's area with the centre: pi a b / 4.
  std::vector<DxfVertex> loop = curve.vertices;
  loop.push_back({0, 0, 0});
  EXPECT_NEAR(SignedArea(loop), kPi * 30 * 10 / 4, 0.001 * 50);
}

TEST(DxfPlacement, BlocksThatNeverEndAreRefused) {
  EXPECT_NE(PlaceError(Block("A", Insert("A")), Insert("A")).find("A f"), std::string::npos);
  std::string chain;
  for (int i = 0; i < 20; ++i) chain += Block("B" + std::to_string(i), Insert("B" + std::to_string(i + 1)));
  chain += Block("B20", kUnitLine);
  EXPECT_NE(PlaceError(chain, Insert("B0")).find("16 Stufen"), std::string::npos);
  std::string grid = Block("A", kUnitLine) + Block("G", Insert("A", {{70, "1000"}, {71, "1000"}}));
  EXPECT_NE(PlaceError(grid, Insert("G")).find("100000 Blockeinf"), std::string::npos);
  DxfPlacedCurves placed = Placed("", Insert("FEHLT"));
  ASSERT_EQ(placed.notes.size(), 1u);
  EXPECT_NE(placed.notes[0].find("FEHLT fehlt"), std::string::npos);
}

TEST(DxfPlacement, SplinesAndEllipsesThatAreLinesOrArcsStayExact) {
  std::string spline = Groups({{0, "SPLINE"}, {71, "1"}, {70, "8"}, {40, "0"}, {40, "0"}, {40, "1"}, {40, "2"}, {40, "2"},
                               {10, "0"}, {20, "0"}, {10, "5"}, {20, "5"}, {10, "10"}, {20, "0"}});
  std::string circle = Groups({{0, "ELLIPSE"}, {10, "1"}, {20, "1"}, {11, "0"}, {21, "2"}, {40, "1"}, {41, "0"}, {42, "3.14159265358979"}});
  DxfPlacedCurves placed = Placed("", spline + circle);
  ASSERT_EQ(placed.curves.size(), 2u);
  EXPECT_EQ(placed.curves[0].kind, DxfCurveKind::Polyline);
  ASSERT_EQ(placed.curves[0].vertices.size(), 3u);
  ExpectPoint(placed.curves[0].vertices[1], 5, 5, 0);
  EXPECT_EQ(placed.curves[1].kind, DxfCurveKind::Arc);
  ASSERT_EQ(placed.curves[1].vertices.size(), 2u);
  EXPECT_NEAR(placed.curves[1].vertices[0].y, 3, 1e-12);
  EXPECT_NEAR(placed.curves[1].vertices[0].phi, kPi, 1e-12);
  EXPECT_FALSE(placed.curves[1].approximated);
}

TEST(DxfPlacement, EllipsesAndCubicSplinesAreFollowedWithinTheTolerance) {
  std::string ellipse = Groups({{0, "ELLIPSE"}, {10, "0"}, {20, "0"}, {11, "40"}, {21, "0"}, {40, "0.5"}, {41, "0"}, {42, "6.283185307179586"}});
  DxfPlacedCurves placed = Placed("", ellipse);
  ASSERT_EQ(placed.curves.size(), 1u);
  EXPECT_TRUE(placed.curves[0].closed);
  EXPECT_LT(placed.curves[0].vertices.size(), 100u);
  // Area within the tolerance times the perimeter (about 194 mm).
  EXPECT_NEAR(SignedArea(placed.curves[0].vertices), kPi * 40 * 20, 0.001 * 194);

  // A clamped cubic with four control points is a Bezier curve: its middle point is known.
  std::string cubic = Groups({{0, "SPLINE"}, {71, "3"}, {40, "0"}, {40, "0"}, {40, "0"}, {40, "0"}, {40, "1"}, {40, "1"},
                              {40, "1"}, {40, "1"}, {10, "0"}, {20, "0"}, {10, "0"}, {20, "40"}, {10, "40"}, {20, "40"},
                              {10, "40"}, {20, "0"}});
  placed = Placed("", cubic);
  ASSERT_EQ(placed.curves.size(), 1u);
  PlanePoint middle{20, 30};
  std::vector<DxfVertex> path = placed.curves[0].vertices;
  long double nearest = 1e9;
  for (size_t i = 0; i + 1 < path.size(); ++i) nearest = std::min(nearest, DistanceToSegment(middle, path[i], path[i + 1]));
  EXPECT_LT(nearest, 0.001);
}

TEST(DxfPlacement, UnitsOfTheHeaderOrAsStated) {
  DxfHeader inches;
  inches.insUnits = 1;
  DxfUnit unit = DrawingUnit(inches, std::nullopt);
  EXPECT_EQ(unit.millimetres, 25.4L);
  EXPECT_NE(unit.message.find("Zoll"), std::string::npos);
  EXPECT_EQ(DrawingUnit(inches, DxfUnitChoice::Metre).millimetres, 1000);
  EXPECT_TRUE(DrawingUnit(DxfHeader{4, 1, "", ""}, std::nullopt).message.empty());
  EXPECT_FALSE(DrawingUnit(DxfHeader{0, 0, "", ""}, std::nullopt).message.empty());
  DxfPlacedCurves placed = Placed("", kUnitLine, 25.4L);
  ExpectPoint(placed.curves[0].vertices[1], 254, 0, 0);
}

TEST(DxfPlacement, CurvesOutOfThePlaneAreNoted) {
  DxfPlacedCurves placed = Placed("", Groups({{0, "LWPOLYLINE"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "1"}, {210, "0"},
                                              {220, "1"}, {230, "0"}}));
  EXPECT_TRUE(placed.curves.empty());
  ASSERT_EQ(placed.notes.size(), 1u);
  EXPECT_NE(placed.notes[0].find("nicht in der xy-Ebene"), std::string::npos);
}

}  // namespace
}  // namespace kalo::testing
