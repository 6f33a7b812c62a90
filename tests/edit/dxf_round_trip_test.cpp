// Every shipped example drawn as DXF by the program's own views and imported again.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cad/cad_driver.h"
#include "datafile/data_file_reader.h"
#include "edit/dxf_import_fixture.h"
#include "views/show_view.h"

namespace kalo::testing {
namespace {

// Coordinates are written with 6 decimals, arc angles as bulges tan(phi / 4) with 6 decimals.
constexpr long double kWrittenCoordinate = 1e-6L;
constexpr long double kWrittenAngle = 1e-5L;

class DxfRoundTrip : public DxfImportFixture, public ::testing::WithParamInterface<std::tuple<std::string, ViewNumber>> {};

TEST_P(DxfRoundTrip, GivesTheSameElementsAndVolume) {
  const auto& [example, view] = GetParam();
  ASSERT_TRUE(ReadDataFile(context, KALO_SOURCE_DIR "/data/examples/" + example + ".kal"));
  Contour original = context.body.contour;
  long double volume = context.body.volume;
  std::string path = dir.File(example + ".dxf");
  test.ui.texts = {path};
  ASSERT_TRUE(ShowView(context, kCadDxf, view)) << Messages();
  context.body.contour.Reset();

  ASSERT_TRUE(ImportDxfContour(context, path)) << Messages();
  EXPECT_TRUE(test.ui.choiceCaptions.empty());
  std::vector<ContourElement> expected(original.slots.begin() + 1, original.slots.begin() + 1 + original.count);
  ExpectElements(expected, kWrittenAngle);
  for (int i = 1; i <= original.count; ++i) {
    EXPECT_NEAR(context.body.contour[i].x, original[i].x, kWrittenCoordinate);
    EXPECT_NEAR(context.body.contour[i].y, original[i].y, kWrittenCoordinate);
  }
  EXPECT_NEAR(context.body.volume, volume, 1e-5L * volume);
}

INSTANTIATE_TEST_SUITE_P(Shipped, DxfRoundTrip,
                         ::testing::Combine(::testing::Values("shaft", "flange", "pulley", "sphere", "torus"),
                                            ::testing::Values(ViewNumber::Geometry1, ViewNumber::Polyline)));

}  // namespace
}  // namespace kalo::testing
