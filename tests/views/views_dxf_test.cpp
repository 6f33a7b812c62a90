#include <gtest/gtest.h>

#include <numbers>

#include "views/views_fixture.h"

namespace kalo::testing {
namespace {

// A plate with one corner rounded by a quarter circle about (60, 40), radius 40.
class ViewsDxf : public ViewsFixture {
 protected:
  ViewsDxf() {
    SetBody({{0, 0, 0}, {100, 0, 0}, {100, 40, std::numbers::pi_v<long double> / 2}, {60, 80, 0}, {0, 80, 0}});
  }
  // The view written as DXF and read back by ezdxf.
  std::string ViewAsReadBack(int view) {
    std::string path = dir.File("view" + std::to_string(view) + ".dxf");
    test.ui.texts = {path};
    EXPECT_TRUE(ShowView(context, kCadDxf, view)) << Messages();
    return CheckWithEzdxf(path);
  }
  static bool Holds(const std::string& json, const std::string& part) { return json.find(part) != std::string::npos; }
};

TEST_F(ViewsDxf, PolylineViewIsOneClosedPolylineWithItsArc) {
  std::string json = ViewAsReadBack(kViewPolyline);
  EXPECT_TRUE(Holds(json, "\"entities\": {\"5:POLYLINE\": 1}")) << json;
  // Bulge tan(90° / 4) at the arc's start vertex.
  EXPECT_TRUE(Holds(json, "\"closed\": true, \"layer\": \"5\", \"vertices\": [[0.0, 0.0, 0.0], [100.0, 0.0, 0.0], "
                          "[100.0, 40.0, 0.414214], [60.0, 80.0, 0.0], [0.0, 80.0, 0.0]]"))
      << json;
}

TEST_F(ViewsDxf, GeometryAndSheetOnTheirLayers) {
  std::string geometry = ViewAsReadBack(kViewGeometryWithTable);
  EXPECT_TRUE(Holds(geometry, "\"1:LINE\": 1")) << geometry;   // axis
  EXPECT_TRUE(Holds(geometry, "\"5:LINE\": 2")) << geometry;   // end lines
  EXPECT_TRUE(Holds(geometry, "\"5:POLYLINE\": 2")) << geometry;  // outline with its arc, hatch outline
  EXPECT_TRUE(Holds(geometry, "\"3:LINE\":")) << geometry;      // hatch lines and polygon
  EXPECT_TRUE(Holds(geometry, "\"3:SOLID\":")) << geometry;     // arrowheads

  std::string sheet = ViewAsReadBack(kViewDrawingSheet);
  EXPECT_TRUE(Holds(sheet, "\"FRAME_1\": {")) << sheet;
  // The frame goes in on the layer its block definition ended with.
  EXPECT_TRUE(Holds(sheet, "\"5:INSERT\": 1")) << sheet;
  EXPECT_TRUE(Holds(sheet, "\"18:TEXT\": 21")) << sheet;  // title and five rows of four columns
  EXPECT_TRUE(Holds(sheet, "\"17:TEXT\": 14")) << sheet;  // six numbers and a text per axis
  EXPECT_TRUE(Holds(sheet, "\"17:SOLID\": 2")) << sheet;  // the axis arrowheads
  EXPECT_FALSE(Holds(sheet, "logo")) << sheet;
}

}  // namespace
}  // namespace kalo::testing
