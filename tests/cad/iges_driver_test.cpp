// IGES files from whole output runs of the CAD driver: the arcs that polylines become must
// meet the vertices they were drawn between and turn by the vertices' arc angles.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "cad/cad_driver.h"
#include "cad/iges_structure.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

struct Point {
  long double x, y;
};

long double Number(const std::vector<std::string>& values, size_t index) { return std::stold(values.at(index)); }

// Counter-clockwise turn in degrees from the direction centre->a to centre->b, in [0, 360).
long double Sweep(Point centre, Point a, Point b) {
  long double turn = std::atan2(b.y - centre.y, b.x - centre.x) - std::atan2(a.y - centre.y, a.x - centre.x);
  long double degrees = turn * 180 / std::numbers::pi_v<long double>;
  return degrees < 0 ? degrees + 360 : degrees;
}

TEST(IgesDriverRun, PolylineArcsMeetTheirVerticesAndTurnByTheirAngles) {
  testing::TempDir dir;
  testing::TestContext test;
  Context& context = test.context;
  test.platform.currentDirectory = dir.Path();
  context.state.cadBatch = true;
  context.state.currentFileName = "PART";
  const long double half = std::numbers::pi_v<long double> / 2;

  ASSERT_TRUE(CadOpen(context, kCadIges));
  CadSetLayer(context, 0);
  CadSetExtents(context, 0, 0, 100, 50);
  CadTables(context);
  CadBeginBlocks(context);
  CadBeginBlock(context, "BOX");
  CadRectangle(context, 0, 0, 4, 2);
  CadEndBlock(context);
  CadEndSection(context);
  CadBeginEntities(context);
  CadSetLayer(context, 40);
  CadBeginPolyline(context, 0);
  CadVertex(context, 0, 0, half);         // a quarter circle to the left of the chord
  CadVertex(context, 10, 0, 0);           // a straight line
  CadVertex(context, 10, 10, -2 * half);  // a half circle turning clockwise
  CadVertex(context, 10, 20, 0);
  CadEndPolyline(context);
  CadInsert(context, "BOX", 5, 5, 45, 1, 1);
  CadEndSection(context);
  ASSERT_TRUE(CadClose(context));

  std::string bytes = testing::ReadBytes(dir.File("PART.igs"));
  ASSERT_EQ("", testing::IgesStructureProblem(bytes));
  std::vector<std::vector<std::string>> arcs;
  int lines = 0, instances = 0;
  for (const auto& [pointer, entity] : testing::IgesEntities(bytes)) {
    if (entity.type == 100) arcs.push_back(entity.parameters);
    lines += entity.type == 110;
    instances += entity.type == 408;
  }
  EXPECT_EQ(5, lines);  // four sides of the box and one polyline segment
  EXPECT_EQ(1, instances);
  ASSERT_EQ(2u, arcs.size());
  // Counter-clockwise from (0, 0) to (10, 0) by 90 degrees; the clockwise half circle from
  // (10, 10) to (10, 20) is written counter-clockwise from (10, 20) to (10, 10).
  const Point ends[2][2] = {{{0, 0}, {10, 0}}, {{10, 20}, {10, 10}}};
  const long double sweeps[2] = {90, 180};
  for (size_t i = 0; i < 2; ++i) {
    Point centre{Number(arcs[i], 2), Number(arcs[i], 3)};
    Point start{Number(arcs[i], 4), Number(arcs[i], 5)}, end{Number(arcs[i], 6), Number(arcs[i], 7)};
    EXPECT_LT(std::hypot(ends[i][0].x - start.x, ends[i][0].y - start.y), 1e-3) << i;
    EXPECT_LT(std::hypot(ends[i][1].x - end.x, ends[i][1].y - end.y), 1e-3) << i;
    EXPECT_NEAR(sweeps[i], Sweep(centre, start, end), 0.05) << i;
  }
}

}  // namespace
}  // namespace kalo
