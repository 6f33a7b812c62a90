// kalo reading STEP files of turned parts made here with OpenCascade's primitives: the
// contour found, its values against the closed forms, and the refusals.
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <BRep_Builder.hxx>
#include <Geom_BezierCurve.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TopoDS_Wire.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Ax2.hxx>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>

#include "platform/codepage.h"
#include "solid_fixture.h"

namespace kalo::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// The number after "key": in a JSON text; NaN when missing.
double JsonValue(const std::string& json, const std::string& key) {
  size_t at = json.find("\"" + key + "\": ");
  return at == std::string::npos ? std::nan("") : std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

// The relative deviation the import's check gives for a value ("Volumen", "Jx").
double CheckedDeviation(const std::string& json, const std::string& what) {
  size_t line = json.find(what + ": Kontur ");
  size_t at = line == std::string::npos ? line : json.find("Abweichung ", line);
  return at == std::string::npos ? std::nan("") : std::strtod(json.c_str() + at + 11, nullptr);
}

gp_Ax2 AlongX(double x) { return gp_Ax2(gp_Pnt(x, 0, 0), gp::DX()); }

class StepIn : public ::testing::Test {
 protected:
  // Runs kalo on the shape written as name.step with /I /JSON; the JSON text.
  std::string Import(const TopoDS_Shape& shape, const std::string& name, int expectedExit = 0,
                     const char* unit = "MM") {
    WriteStep(shape, dir.File(name + ".step"), unit);
    run = RunKalo(dir.Path(), {dir.File(name + ".step"), "/I", "/JSON"});
    EXPECT_EQ(run.exitCode, expectedExit) << run.errorOutput;
    return ReadBytes(dir.File(name + ".json"));
  }
  static bool Agrees(const std::string& json) { return json.find("stimmt auf 1E-9") != std::string::npos; }

  TempDir dir;
  ProcessResult run;
};

TEST_F(StepIn, AStepppedShaftBecomesItsSixCornersWithItsVolume) {
  TopoDS_Shape shaft = BRepAlgoAPI_Fuse(BRepPrimAPI_MakeCylinder(AlongX(0), 20, 50).Shape(),
                                        BRepPrimAPI_MakeCylinder(AlongX(50), 10, 30).Shape()).Shape();
  std::string json = Import(shaft, "shaft");
  EXPECT_EQ(JsonValue(json, "elements"), 6);
  EXPECT_NEAR(JsonValue(json, "V_mm3"), kPi * (400 * 50 + 100 * 30), 1e-9 * kPi * 23000);
  EXPECT_NEAR(JsonValue(json, "xmax_mm"), 80, 1e-9);
  EXPECT_TRUE(Agrees(json)) << json;
  EXPECT_LT(CheckedDeviation(json, "Jx"), 1e-9) << json;
  std::string report = Cp850ToUtf8(ReadBytes(dir.File("shaft.txt")));
  EXPECT_NE(report.find("STEP-IMPORT"), std::string::npos);
}

TEST_F(StepIn, ConeSphereAndTorusAgreeWithOpenCascadeToTheNinthDigit) {
  // The cone's exact volume is also the chords' one: its outline is straight.
  std::string cone = Import(BRepPrimAPI_MakeCone(AlongX(5), 30, 0, 40).Shape(), "cone");
  EXPECT_NEAR(JsonValue(cone, "V_mm3"), kPi * 900 * 40 / 3, 1e-9 * kPi * 12000);
  EXPECT_TRUE(Agrees(cone)) << cone;
  // Their own volumes are OpenCascade's, checked here against the closed forms.
  TopoDS_Shape sphere = BRepPrimAPI_MakeSphere(gp_Pnt(3, 4, 5), 25).Shape();
  EXPECT_NEAR(Measure(sphere).volume, 4 * kPi * 25 * 25 * 25 / 3, 1e-9 * 65450);
  EXPECT_TRUE(Agrees(Import(sphere, "sphere")));
  // About the z axis: the axis is found, not assumed.
  TopoDS_Shape torus = BRepPrimAPI_MakeTorus(gp_Ax2(gp_Pnt(0, 0, 7), gp::DZ()), 20, 8).Shape();
  EXPECT_NEAR(Measure(torus).volume, 2 * kPi * kPi * 20 * 64, 1e-9 * 25266);
  std::string json = Import(torus, "torus");
  EXPECT_TRUE(Agrees(json)) << json;
  EXPECT_NEAR(JsonValue(json, "ymax_mm"), 28, 1e-6);
}

TEST_F(StepIn, FreeCurvesOfASurfaceOfRevolutionAreFollowedByArcsWithinAThousandth) {
  // A bulb: the outline a B-spline through five points from the axis and back to it.
  TColgp_Array1OfPnt poles(1, 5);
  poles(1) = gp_Pnt(0, 0, 0);
  poles(2) = gp_Pnt(0, 15, 0);
  poles(3) = gp_Pnt(20, 25, 0);
  poles(4) = gp_Pnt(45, 10, 0);
  poles(5) = gp_Pnt(50, 0, 0);
  Handle(Geom_BezierCurve) curve = new Geom_BezierCurve(poles);
  TopoDS_Wire outline = BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(curve),
                                                BRepBuilderAPI_MakeEdge(gp_Pnt(50, 0, 0), gp_Pnt(0, 0, 0)));
  TopoDS_Shape bulb = BRepPrimAPI_MakeRevol(BRepBuilderAPI_MakeFace(outline, true).Face(), gp::OX(), 2 * kPi).Shape();
  Measured solid = Measure(bulb);
  std::string json = Import(bulb, "bulb");
  // Each point of the outline moves by at most 0.001 mm: the volume by at most that times
  // the surface.
  double deviation = CheckedDeviation(json, "Volumen");
  EXPECT_LE(deviation, 0.001 * solid.surface / solid.volume) << json;
  EXPECT_GT(JsonValue(json, "elements"), 3);
}

TEST_F(StepIn, InchFilesAreReadInMillimetres) {
  TopoDS_Shape shaft = BRepPrimAPI_MakeCylinder(AlongX(0), 25.4, 101.6).Shape();
  std::string json = Import(shaft, "inch", 0, "INCH");
  EXPECT_NE(ReadBytes(dir.File("inch.step")).find("INCH"), std::string::npos);
  EXPECT_NEAR(JsonValue(json, "V_mm3"), kPi * 25.4 * 25.4 * 101.6, 1e-9 * 205900);
  EXPECT_NEAR(JsonValue(json, "length_mm"), 101.6, 1e-9);
}

TEST_F(StepIn, TheLargestOfSeveralSolidsIsTakenAndSaid) {
  TopoDS_Compound both;
  BRep_Builder builder;
  builder.MakeCompound(both);
  builder.Add(both, BRepPrimAPI_MakeCylinder(AlongX(100), 5, 10).Shape());
  builder.Add(both, BRepPrimAPI_MakeSphere(gp_Pnt(0, 0, 0), 20).Shape());
  std::string json = Import(both, "two");
  EXPECT_NE(json.find("Körper 2 von 2 (der größte)"), std::string::npos) << json;
  EXPECT_NEAR(JsonValue(json, "xmax_mm") - JsonValue(json, "xmin_mm"), 40, 1e-6);
}

TEST_F(StepIn, AKeywayIsRefusedByItsFaceAndTheSolidsOwnValuesAreGiven) {
  TopoDS_Shape shaft = BRepPrimAPI_MakeCylinder(AlongX(0), 20, 100).Shape();
  // A keyway 6 wide and 4 deep on top, from x = 30 to x = 70.
  TopoDS_Shape key = BRepPrimAPI_MakeBox(gp_Pnt(30, -3, 16), 40, 6, 10).Shape();
  std::string json = Import(BRepAlgoAPI_Cut(shaft, key).Shape(), "keyway", 1);
  const std::string& errors = run.errorOutput;
  EXPECT_NE(errors.find("ist nicht rotationssymmetrisch"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Ebene bei "), std::string::npos) << errors;
  // The key's box cuts the cylinder r = 20 above y = 16 on a width of 6: the volume removed
  // is 40 times the area of the circle's part with z > 16 and |y| < 3.
  double removed = 0;
  for (int k = 0; k < 20000; ++k) {
    double y = -3 + 6 * (k + 0.5) / 20000;
    removed += (std::sqrt(400 - y * y) - 16) * 6 / 20000;
  }
  removed *= 40;
  EXPECT_NEAR(JsonValue(json, "volume_mm3"), kPi * 400 * 100 - removed, 1e-6 * kPi * 40000);
  EXPECT_NE(json.find("\"ok\": false"), std::string::npos);
  EXPECT_NE(json.find("OpenCascade, the STEP solid itself"), std::string::npos);
  std::string report = Cp850ToUtf8(ReadBytes(dir.File("keyway.txt")));
  EXPECT_NE(report.find("STEP-KÖRPER: Werte des Körpers selbst (OpenCascade), keine Kontur"), std::string::npos)
      << report;
}

TEST_F(StepIn, ABlockIsRefusedNamingItsFirstSideFace) {
  Import(BRepPrimAPI_MakeBox(10, 20, 30).Shape(), "block", 1);
  EXPECT_NE(run.errorOutput.find("Fläche 3 (Ebene bei y = 0) ist nicht rotationssymmetrisch"), std::string::npos)
      << run.errorOutput;
}

TEST_F(StepIn, AStepFileOfAStepFileDoesNotReplaceIt) {
  WriteStep(BRepPrimAPI_MakeCylinder(AlongX(0), 10, 20).Shape(), dir.File("part.step"));
  std::string before = ReadBytes(dir.File("part.step"));
  run = RunKalo(dir.Path(), {dir.File("part.step"), "/STEP"});
  ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
  EXPECT_EQ(ReadBytes(dir.File("part.step")), before);
  std::vector<TopoDS_Shape> solids = ReadStepSolids(dir.File("part-kalo.step"));
  ASSERT_EQ(solids.size(), 1u);
  EXPECT_NEAR(Measure(solids[0]).volume, kPi * 100 * 20, 1e-9 * 6300);
}

TEST_F(StepIn, TheShippedBodiesComeBackFromTheirOwnStepFiles) {
  for (const char* name : {"shaft", "flange", "pulley", "sphere", "torus"}) {
    std::string example = std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal";
    ASSERT_EQ(RunKalo(dir.Path(), {example, "/JSON", "/STEP"}).exitCode, 0) << name;
    std::string original = ReadBytes(dir.File(std::string(name) + ".json"));
    run = RunKalo(dir.Path(), {dir.File(std::string(name) + ".step"), "/JSON"});
    ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
    std::string back = ReadBytes(dir.File(std::string(name) + ".json"));
    EXPECT_TRUE(Agrees(back)) << back;
    EXPECT_LE(JsonValue(back, "elements"), JsonValue(original, "elements")) << name;
    for (const char* key : {"A_mm2", "Sx_mm3", "Ixx_mm4", "V_mm3"})
      EXPECT_NEAR(JsonValue(back, key), JsonValue(original, key), 1e-9 * std::fabs(JsonValue(original, key)))
          << name << " " << key;
  }
}

TEST_F(StepIn, AnOutlineOfMoreThan200ElementsIsRefusedNamingItsCount) {
  // A saw-tooth of 250 cones.
  BRepBuilderAPI_MakePolygon outline;
  outline.Add(gp_Pnt(0, 0, 0));
  for (int k = 0; k <= 250; ++k) outline.Add(gp_Pnt(k, k % 2 ? 12 : 10, 0));
  outline.Add(gp_Pnt(250, 0, 0));
  outline.Close();
  TopoDS_Shape saw = BRepPrimAPI_MakeRevol(BRepBuilderAPI_MakeFace(outline.Wire(), true).Face(), gp::OX()).Shape();
  Import(saw, "saw", 1);
  EXPECT_NE(run.errorOutput.find("Die Kontur hat 253 Elemente, mehr als 200"), std::string::npos) << run.errorOutput;
}

TEST_F(StepIn, AFileThatIsNoStepIsRefused) {
  WriteBytes(dir.File("bad.step"), "ISO-10303-21;\nnothing\n");
  run = RunKalo(dir.Path(), {dir.File("bad.step"), "/I"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("bad.txt")));
}

}  // namespace
}  // namespace kalo::testing
