#include <gtest/gtest.h>

#include <numbers>

#include "datafile/data_file_reader.h"
#include "datafile/data_file_writer.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class DataFileExample : public ::testing::TestWithParam<const char*> {};

TEST_P(DataFileExample, ReadsAndWritesBackTheSameBytes) {
  TempDir dir;
  TestContext test;
  Context& context = test.context;
  std::string source = std::string(KALO_SOURCE_DIR) + "/data/examples/" + GetParam() + ".kal";
  ASSERT_TRUE(ReadDataFile(context, source));
  EXPECT_GT(context.body.contour.count, 1);
  EXPECT_FALSE(context.body.texts.name.empty());
  context.state.dataDirectory = dir.Path();
  context.config.decimals = 10;  // the examples keep every digit of their arc angles
  ASSERT_TRUE(WriteDataFile(context, GetParam()));
  EXPECT_EQ(ReadBytes(source), ReadBytes(dir.File(std::string(GetParam()) + ".kal")));
}

INSTANTIATE_TEST_SUITE_P(Shipped, DataFileExample, ::testing::Values("shaft", "flange", "pulley", "sphere", "torus"));

constexpr long double kPi = std::numbers::pi_v<long double>;

// A shipped example after reading, which calculates the body.
Body CalculatedExample(const char* name) {
  TestContext test;
  EXPECT_TRUE(ReadDataFile(test.context, std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal"));
  EXPECT_TRUE(test.context.messages.Empty()) << name;
  return test.context.body;
}

long double VolumeOf(const char* name) { return CalculatedExample(name).volume; }

TEST(DataFileExampleVolume, StraightContoursGiveTheExactSolids) {
  // Flange disc 160 x 20 and hub 70 x 40 on a bore of 40.
  EXPECT_NEAR(kPi * ((80 * 80 - 20 * 20) * 20 + (35 * 35 - 20 * 20) * 40), VolumeOf("flange"), 1e-6L);
  // Shaft: cylinders of radius 15, 25, 20, 15 over 39, 20, 100, 39 mm and four 1x45 chamfer
  // frusta of length 1 between radii 14 and 15.
  long double chamfer = kPi / 3 * (14 * 14 + 14 * 15 + 15 * 15);
  long double cylinders = kPi * (225 * 39 + 625 * 20 + 400 * 100 + 225 * 39);
  EXPECT_NEAR(cylinders + 2 * chamfer, VolumeOf("shaft"), 1e-6L);
}

TEST(DataFileExampleVolume, ArcContoursComeCloseToSphereAndTorus) {
  // Chords at 5 degrees lie inside the arcs: a little less volume, within half a percent.
  long double sphere = 4 / 3.0L * kPi * 50 * 50 * 50;
  EXPECT_NEAR(sphere, VolumeOf("sphere"), 0.005L * sphere);
  EXPECT_LT(VolumeOf("sphere"), sphere * 1.0001L);
  long double torus = 2 * kPi * kPi * 40 * 10 * 10;  // Pappus: area pi r^2 on a circle of 2 pi R
  EXPECT_NEAR(torus, VolumeOf("torus"), 0.005L * torus);
  // Pulley: hub 60 x 13, web 12 x 45 and rim 60 x 10, two rim corners rounded with R3.
  long double corner = 9 - 9 * kPi / 4;
  EXPECT_NEAR(60 * 13 + 12 * 45 + 60 * 10 - 2 * corner, CalculatedExample("pulley").results.A, 0.05L);
}

}  // namespace
}  // namespace kalo::testing
