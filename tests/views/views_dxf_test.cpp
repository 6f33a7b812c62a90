#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "datafile/data_file_reader.h"
#include "platform/codepage.h"
#include "views/view_style.h"
#include "views/views_fixture.h"

namespace kalo::testing {
namespace {

struct Point {
  double x, y;
};

// The points of the bracketed value after the n-th key in the reader's JSON, taking the
// numbers of each innermost bracket as one point.
std::vector<Point> PointsAfter(const std::string& json, const std::string& key, int n = 0) {
  size_t at = json.find(key);
  while (at != std::string::npos && n-- > 0) at = json.find(key, at + 1);
  std::vector<Point> points;
  if (at == std::string::npos) return points;
  int depth = 0;
  for (size_t i = json.find('[', at); i < json.size(); ++i) {
    if (json[i] == ']' && --depth == 0) break;
    if (json[i] != '[') continue;
    ++depth;
    char* end = nullptr;
    double x = std::strtod(json.c_str() + i + 1, &end);
    if (end == json.c_str() + i + 1 || *end != ',') continue;
    points.push_back({x, std::strtod(end + 1, nullptr)});
  }
  return points;
}

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The arc of a contour element in closed form: from a to b turning by phi about its centre.
struct TrueArc {
  TrueArc(Point a, Point b, double phi) {
    double chord = Distance(a, b);
    double ux = (b.x - a.x) / chord, uy = (b.y - a.y) / chord;
    radius = chord / 2 / std::sin(phi / 2);
    double toCentre = radius * std::cos(phi / 2), sagitta = radius - toCentre;
    Point middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    centre = {middle.x - uy * toCentre, middle.y + ux * toCentre};
    arcMiddle = {middle.x + uy * sagitta, middle.y - ux * sagitta};
  }
  Point centre, arcMiddle;
  double radius;
};

// A plate with one corner rounded by a quarter circle about (60, 40), radius 40.
class ViewsDxf : public ViewsFixture {
 protected:
  ViewsDxf() {
    SetBody({{0, 0, 0}, {100, 0, 0}, {100, 40, std::numbers::pi_v<long double> / 2}, {60, 80, 0}, {0, 80, 0}});
  }
  // The view written as DXF and read back by ezdxf.
  std::string ViewAsReadBack(ViewNumber view) {
    std::string path = dir.File("view" + std::to_string(NumberOf(view)) + ".dxf");
    test.ui.texts = {path};
    EXPECT_TRUE(ShowView(context, kCadDxf, view)) << Messages();
    return CheckWithEzdxf(path);
  }
  static bool Holds(const std::string& json, const std::string& part) { return json.find(part) != std::string::npos; }
};

TEST_F(ViewsDxf, PolylineViewIsOneClosedPolylineWithItsArc) {
  std::string json = ViewAsReadBack(ViewNumber::Polyline);
  EXPECT_TRUE(Holds(json, "\"entities\": {\"5:POLYLINE\": 1}")) << json;
  // Bulge tan(90° / 4) at the arc's start vertex.
  EXPECT_TRUE(Holds(json, "\"closed\": true, \"layer\": \"5\", \"vertices\": [[0.0, 0.0, 0.0], [100.0, 0.0, 0.0], "
                          "[100.0, 40.0, 0.414214], [60.0, 80.0, 0.0], [0.0, 80.0, 0.0]]"))
      << json;
}

TEST_F(ViewsDxf, GeometryAndSheetOnTheirLayers) {
  std::string geometry = ViewAsReadBack(ViewNumber::GeometryWithTable);
  EXPECT_TRUE(Holds(geometry, "\"1:LINE\": 1")) << geometry;   // axis
  EXPECT_TRUE(Holds(geometry, "\"5:LINE\": 2")) << geometry;   // end lines
  EXPECT_TRUE(Holds(geometry, "\"5:POLYLINE\": 2")) << geometry;  // outline with its arc, hatch outline
  EXPECT_TRUE(Holds(geometry, "\"3:LINE\":")) << geometry;      // hatch lines and polygon
  EXPECT_TRUE(Holds(geometry, "\"3:SOLID\":")) << geometry;     // arrowheads

  std::string sheet = ViewAsReadBack(ViewNumber::DrawingSheet);
  EXPECT_TRUE(Holds(sheet, "\"FRAME_1\": {")) << sheet;
  // The frame goes in on the layer its block definition ended with.
  EXPECT_TRUE(Holds(sheet, "\"5:INSERT\": 1")) << sheet;
  EXPECT_TRUE(Holds(sheet, "\"18:TEXT\": 21")) << sheet;  // title and five rows of four columns
  EXPECT_TRUE(Holds(sheet, "\"17:TEXT\": 14")) << sheet;  // six numbers and a text per axis
  EXPECT_TRUE(Holds(sheet, "\"17:SOLID\": 2")) << sheet;  // the axis arrowheads
  EXPECT_FALSE(Holds(sheet, "logo")) << sheet;
}

TEST_F(ViewsDxf, SheetTextsKeepTheirUmlautsInTheWindowCodePage) {
  context.body.documentation.information.placedTexts = {{30, 60, 3.5L, 0, Oem("Bohrung Ø 20, Fläche 12 mm², Öse")}};
  context.body.texts.name = Oem("Rotationskörper");
  context.config.layers[kLayerOutline].name = Oem("Außenkontur");  // names are written like texts
  std::string sheet = ViewAsReadBack(ViewNumber::DrawingSheet);
  EXPECT_TRUE(Holds(sheet, R"("codepage": "ANSI_1252")")) << sheet;
  EXPECT_TRUE(Holds(sheet, R"("Außenkontur:)")) << sheet;
  EXPECT_TRUE(Holds(sheet, R"("Bohrung Ø 20, Fläche 12 mm², Öse")")) << sheet;
  EXPECT_TRUE(Holds(sheet, R"("Rotationskörper")")) << sheet;
  EXPECT_TRUE(Holds(sheet, R"("Änderung")")) << sheet;  // a text of the frame block
}

// The shipped torus and sphere on the drawing sheet: their arcs stay circular arcs through
// the mapped contour points, as an independent reader draws them from the bulges.
class SheetToScale : public ViewsDxf, public ::testing::WithParamInterface<const char*> {};

TEST_P(SheetToScale, OutlineArcsLieOnTheScaledCircles) {
  ASSERT_TRUE(ReadDataFile(context, std::string(KALO_SOURCE_DIR) + "/data/examples/" + GetParam() + ".kal"));
  const Contour& contour = context.body.contour;
  std::string sheet = ViewAsReadBack(ViewNumber::DrawingSheet);
  std::vector<Point> outline = PointsAfter(sheet, "\"vertices\"");
  ASSERT_EQ(outline.size(), static_cast<size_t>(contour.count)) << sheet;

  // Sheet millimetres per contour millimetre along x from the first two points, and along
  // y where they differ in y too (the sphere's arc middle shows its y scale below).
  auto at = [&](int i) { return Point{double(contour[i].x), double(contour[i].y)}; };
  double sx = (outline[1].x - outline[0].x) / (at(2).x - at(1).x);
  if (at(2).y != at(1).y) {
    EXPECT_NEAR((outline[1].y - outline[0].y) / (at(2).y - at(1).y), sx, 1e-6);
  }
  auto map = [&](Point p) { return Point{outline[0].x + sx * (p.x - at(1).x), outline[0].y + sx * (p.y - at(1).y)}; };
  for (int i = 1; i <= contour.count; ++i) EXPECT_LT(Distance(outline[i - 1], map(at(i))), 2e-6) << i;

  std::vector<TrueArc> arcs;
  for (int i = 1; i < contour.count; ++i)
    if (contour[i].phi != 0) arcs.emplace_back(at(i), at(i + 1), double(contour[i].phi));
  std::vector<Point> middles = PointsAfter(sheet, "\"arc_midpoints\"");
  ASSERT_EQ(middles.size(), arcs.size()) << sheet;
  for (size_t k = 0; k < arcs.size(); ++k) {
    EXPECT_LT(Distance(middles[k], map(arcs[k].arcMiddle)), 1e-4) << k;  // bulges have 6 decimals
    // Inside the 125 mm diagram area at (50, 140).
    EXPECT_GE(middles[k].x, 50);
    EXPECT_LE(middles[k].x, 175);
    EXPECT_LE(middles[k].y, 265);
  }
  // The hatching follows the chords of the same circles.
  for (Point p : PointsAfter(sheet, "\"vertices\"", 1)) {
    double off = 1e9;
    for (const TrueArc& arc : arcs) off = std::min(off, std::fabs(Distance(p, map(arc.centre)) - sx * arc.radius));
    EXPECT_LT(off, 1e-4) << p.x << " " << p.y;
  }
  // The axes cross at the mapped origin, both ends 5 % beyond the area.
  std::vector<Point> arrowTips = PointsAfter(sheet, "\"solids\"");
  ASSERT_EQ(arrowTips.size(), 2u) << sheet;
  EXPECT_NEAR(arrowTips[0].x, 50 + 1.05 * 125, 1e-6);
  EXPECT_NEAR(arrowTips[0].y, map({0, 0}).y, 1e-5);
  EXPECT_NEAR(arrowTips[1].x, map({0, 0}).x, 1e-5);
  EXPECT_NEAR(arrowTips[1].y, 140 + 1.05 * 125, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Shipped, SheetToScale, ::testing::Values("torus", "sphere"));

}  // namespace
}  // namespace kalo::testing
