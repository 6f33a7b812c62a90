// kalo /STEP and /STL as a user runs them: the files read back by OpenCascade (STEP) and by
// the test's own reader (STL), against the closed-form values of cylinder, cone, sphere
// and torus.
#include <BRepCheck_Analyzer.hxx>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "solid_fixture.h"

namespace kalo::testing {
namespace {

constexpr double kPi = std::numbers::pi;

struct ClosedForm {
  std::string name;
  std::vector<ContourElement> contour;
  double volume, surface;
};

// Cylinder r = 10, length 100, along the axis from x = 0.
ClosedForm Cylinder() {
  return {"cylinder", {{0, 0, 0}, {100, 0, 0}, {100, 10, 0}, {0, 10, 0}}, kPi * 100 * 100, 2 * kPi * 10 * 100 + 2 * kPi * 100};
}
// Cone of base radius 30 and height 40 (slant 50), tip on the axis at x = 40.
ClosedForm Cone() {
  return {"cone", {{0, 0, 0}, {40, 0, 0}, {0, 30, 0}}, kPi * 900 * 40 / 3, kPi * 30 * 50 + kPi * 900};
}
// Sphere of radius 25 about x = 5: one half-turn over the axis.
ClosedForm Sphere() {
  return {"sphere", {{30, 0, kPi}, {-20, 0, 0}}, 4 * kPi * 25 * 25 * 25 / 3, 4 * kPi * 25 * 25};
}
// Torus: tube radius 8 about the circle of radius 20, two half-turns.
ClosedForm Torus() {
  return {"torus", {{8, 20, kPi}, {-8, 20, kPi}, {8, 20, 0}}, 2 * kPi * kPi * 20 * 64, 4 * kPi * kPi * 20 * 8};
}
// A pierced sphere (a hole of radius 6 through a ball of radius 10): Pappus' rules give the
// ring's volume from the cap-less band, 4/3·pi·h³/8 with h = 2·sqrt(100 - 36) = 16.
ClosedForm PiercedBall() {
  double half = 8, angle = 2 * std::atan2(half, 6.0);
  return {"pierced", {{half, 6, angle}, {-half, 6, 0}}, kPi * 16 * 16 * 16 / 6,
          2 * kPi * 10 * 16 + 2 * kPi * 6 * 16};
}

class SolidOut : public ::testing::TestWithParam<ClosedForm> {
 protected:
  std::string Body(const ClosedForm& form) {
    std::string path = dir.File(form.name + ".kal");
    WriteBody(path, form.contour, "Welle 7", "KA-0815");
    return path;
  }
  TempDir dir;
};

TEST_P(SolidOut, StepReadBackIsOneValidSolidOfTheClosedFormVolumeAndSurface) {
  const ClosedForm& form = GetParam();
  ProcessResult run = RunKalo(dir.Path(), {Body(form), "/STEP"});
  ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
  std::vector<TopoDS_Shape> solids = ReadStepSolids(dir.File(form.name + ".step"));
  ASSERT_EQ(solids.size(), 1u);
  EXPECT_TRUE(BRepCheck_Analyzer(solids[0]).IsValid());
  Measured measured = Measure(solids[0]);
  // The data file keeps angles to ten decimals: 1e-10 of an angle of pi.
  EXPECT_NEAR(measured.volume, form.volume, 1e-9 * form.volume);
  EXPECT_NEAR(measured.surface, form.surface, 1e-9 * form.surface);
  std::string step = ReadBytes(dir.File(form.name + ".step"));
  EXPECT_NE(step.find("AUTOMOTIVE_DESIGN"), std::string::npos);
  EXPECT_NE(step.find("'Welle 7'"), std::string::npos);
  EXPECT_NE(step.find("'KA-0815'"), std::string::npos);
  EXPECT_NE(step.find("SI_UNIT(.MILLI.,.METRE.)"), std::string::npos);
}

TEST_P(SolidOut, StlIsClosedAndEnclosesTheVolumeWithinItsChordalDeviation) {
  const ClosedForm& form = GetParam();
  ProcessResult run = RunKalo(dir.Path(), {Body(form), "/STL"});
  ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
  StlMesh mesh;
  ASSERT_TRUE(ReadBinaryStl(dir.File(form.name + ".stl"), mesh));
  EXPECT_GT(mesh.Triangles(), 100u);
  EXPECT_TRUE(mesh.Closed());
  // No point of the surface moves by more than the deviation (0.01 mm for these sizes), so
  // the enclosed volume changes by at most surface times deviation (plus float rounding).
  EXPECT_NEAR(mesh.Volume(), form.volume, form.surface * 0.01 + 1e-6 * form.volume);
}

INSTANTIATE_TEST_SUITE_P(ClosedForms, SolidOut, ::testing::Values(Cylinder(), Cone(), Sphere(), Torus(), PiercedBall()),
                         [](const auto& info) { return info.param.name; });

class SolidRefusals : public ::testing::Test {
 protected:
  TempDir dir;
};

TEST_F(SolidRefusals, ANeckOfNoWidthOnTheAxisIsNamedAndNoFileWritten) {
  // Two cones tip to tip at x = 10: the solid would hang together in one point.
  WriteBody(dir.File("neck.kal"), {{0, 5, 0}, {10, 0, 0}, {20, 5, 0}, {20, 8, 0}, {0, 8, 0}});
  ProcessResult run = RunKalo(dir.Path(), {dir.File("neck.kal"), "/STEP", "/STL"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errorOutput.find("Element 2 (x = 10, y = 0)"), std::string::npos) << run.errorOutput;
  EXPECT_FALSE(std::filesystem::exists(dir.File("neck.step")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("neck.stl")));
}

TEST_F(SolidRefusals, AContourTouchingItselfIsNamedAndNoFileWritten) {
  // A hollow body whose notch reaches down to the bore: the point of element 5 lies on the
  // segment of element 1.
  WriteBody(dir.File("touch.kal"), {{0, 5, 0}, {60, 5, 0}, {60, 20, 0}, {40, 20, 0}, {30, 5, 0}, {20, 20, 0}, {0, 20, 0}});
  ProcessResult run = RunKalo(dir.Path(), {dir.File("touch.kal"), "/STEP"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errorOutput.find("Die Kontur berührt sich selbst: Element 1 und "), std::string::npos) << run.errorOutput;
  EXPECT_NE(run.errorOutput.find("x = 30, y = 5"), std::string::npos) << run.errorOutput;
  EXPECT_FALSE(std::filesystem::exists(dir.File("touch.step")));
}

TEST_F(SolidRefusals, AMissingSolidProgramIsNamedWithExitCodeOne) {
  std::filesystem::copy_file(KALO_EXECUTABLE, dir.File("kalo"));
  std::filesystem::permissions(dir.File("kalo"), std::filesystem::perms::owner_all);
  ClosedForm form = Cylinder();
  WriteBody(dir.File("c.kal"), form.contour);
  ProcessResult run = RunKalo(dir.Path(), {dir.File("c.kal"), "/STEP"}, dir.File("kalo"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errorOutput.find("kalo-solid"), std::string::npos) << run.errorOutput;
  EXPECT_FALSE(std::filesystem::exists(dir.File("c.step")));
}

TEST_F(SolidRefusals, SolidsComeWithTheOtherOutputsOfOneRun) {
  ClosedForm form = Torus();
  WriteBody(dir.File("t.kal"), form.contour);
  ProcessResult run = RunKalo(dir.Path(), {dir.File("t.kal"), "/I", "/STEP", "/JSON", "/STL", "/CAD1:1"});
  ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
  for (const char* name : {"t.txt", "t.step", "t.json", "t.stl", "t.dxf"})
    EXPECT_TRUE(std::filesystem::exists(dir.File(name))) << name;
  // Nothing of the solid program's work is left behind.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path()))
    EXPECT_EQ(entry.path().string().find("solid"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace kalo::testing
