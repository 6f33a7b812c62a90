// The command line's switches for DXF drawings, and what the chains say about the rules
// that decided.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "app/dxf_switches.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

TEST(DxfSwitches, AxisAndUnitsAnywhereAfterTheFileNameInAnyLetterCase) {
  DxfImportOptions options;
  ASSERT_TRUE(DxfSwitchesOf({"teil.dxf", "/I", "/axis=Y", "/UNITS=In"}, DxfLoopChoice::Largest, options));
  EXPECT_EQ(options.choice, DxfLoopChoice::Largest);
  EXPECT_EQ(options.axis, DxfAxisChoice::Y());
  EXPECT_EQ(options.units, DxfUnitChoice::Inch);
  ASSERT_TRUE(DxfSwitchesOf({"teil.dxf", "/UNITS=m", "/AXIS=x"}, DxfLoopChoice::Ask, options));
  EXPECT_EQ(options.axis, DxfAxisChoice::X());
  EXPECT_EQ(options.units, DxfUnitChoice::Metre);
  ASSERT_TRUE(DxfSwitchesOf({"teil.dxf"}, DxfLoopChoice::Ask, options));
  EXPECT_FALSE(options.axis);
  EXPECT_FALSE(options.units);
  // A file name is never a switch, even when it looks like one.
  ASSERT_TRUE(DxfSwitchesOf({"/AXIS=q.dxf"}, DxfLoopChoice::Ask, options));

  ASSERT_TRUE(DxfSwitchesOf({"teil.dxf", "/AXIS=-1.5,150,1e2,150"}, DxfLoopChoice::Ask, options));
  EXPECT_EQ(options.axis, (DxfAxisChoice{{-1.5L, 150}, {100, 150}}));
  for (const char* wrong : {"/AXIS=z", "/AXIS=1,2,1,2", "/AXIS=1,2,3", "/AXIS=1;2;3;4", "/AXIS=1,2,3,4,5", "/AXIS=0,0,1e16,0",
                            "/AXIS=nan,0,1,0", "/AXIS=1,2,3,4x"}) {
    std::string error = DxfSwitchesOf({"teil.dxf", wrong}, DxfLoopChoice::Ask, options).Message();
    EXPECT_NE(error.find("/AXIS=x1,y1,x2,y2"), std::string::npos) << wrong << ": " << error;
  }
  std::string error = DxfSwitchesOf({"teil.dxf", "/UNITS=ft"}, DxfLoopChoice::Ask, options).Message();
  EXPECT_NE(error.find("/UNITS=ft"), std::string::npos) << error;
}

class DxfSwitchChains : public ::testing::Test {
 protected:
  // A ring 4 inches long from radius 1 to 2 inches, drawn with $INSUNITS inches.
  DxfSwitchChains() { WriteRing(1, 1); }
  // The ring with $INSUNITS code, its coordinates times scale.
  void WriteRing(int code, int scale) {
    auto at = [&](int value) { return std::to_string(value * scale); };
    testing::WriteBytes(dir.File("ring.dxf"),
                        "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n" + std::to_string(code) +
                            "\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\nKONTUR\n90\n4\n70\n1\n10\n" + at(1) +
                            "\n20\n" + at(1) + "\n10\n" + at(5) + "\n20\n" + at(1) + "\n10\n" + at(5) + "\n20\n" + at(2) +
                            "\n10\n" + at(1) + "\n20\n" + at(2) + "\n0\nENDSEC\n0\nEOF\n");
  }
  testing::ProcessResult Kalo(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KALO_EXECUTABLE);
    return testing::RunProcess(dir.Path(), arguments, {"TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  }
  long double Volume() {
    std::smatch match;
    std::string json = testing::ReadBytes(dir.File("ring.json"));
    EXPECT_TRUE(std::regex_search(json, match, std::regex("\"V_mm3\": ([-0-9.e+]+)"))) << json;
    return match.empty() ? 0 : std::stold(match[1]);
  }
  std::string Json() { return testing::ReadBytes(dir.File("ring.json")); }

  testing::TempDir dir;
};

TEST_F(DxfSwitchChains, UnitAndAxisByRuleOrAsStatedAreSaid) {
  constexpr long double kInch = 25.4L;
  const long double ring = 3.14159265358979323846L * (2 * 2 - 1) * 4 * kInch * kInch * kInch;
  ASSERT_EQ(Kalo({"ring.dxf", "/JSON"}).exitCode, 0);
  EXPECT_NEAR(Volume(), ring, 1e-9 * ring);
  EXPECT_NE(Json().find("Einheit der Zeichnung: Zoll ($INSUNITS 1)"), std::string::npos) << Json();
  EXPECT_NE(Json().find("Achse: y = 0 angenommen"), std::string::npos) << Json();

  ASSERT_EQ(Kalo({"ring.dxf", "/JSON", "/UNITS=mm"}).exitCode, 0);
  EXPECT_NEAR(Volume(), ring / (kInch * kInch * kInch), 1e-9 * ring);

  // About the drawing's y axis the ring is a disc with a bore: radius 1..5, 1 thick.
  ASSERT_EQ(Kalo({"ring.dxf", "/JSON", "/AXIS=y"}).exitCode, 0);
  const long double disc = 3.14159265358979323846L * (5 * 5 - 1) * 1 * kInch * kInch * kInch;
  EXPECT_NEAR(Volume(), disc, 1e-9 * disc);
  EXPECT_NE(Json().find("Achse wie angegeben: y-Achse"), std::string::npos) << Json();

  // Two points in the drawing's unit: about y = 1 inch the ring is a cylinder of radius 1
  // inch; about the vertical x = 1 inch, a disc of radius 4 inches and 1 inch thick.
  ASSERT_EQ(Kalo({"ring.dxf", "/JSON", "/AXIS=0,1,10,1"}).exitCode, 0);
  const long double cylinder = 3.14159265358979323846L * 1 * 4 * kInch * kInch * kInch;
  EXPECT_NEAR(Volume(), cylinder, 1e-9 * cylinder);
  EXPECT_NE(Json().find("Achse wie angegeben: Linie durch (0 | 25.4) und (254 | 25.4) mm"), std::string::npos) << Json();
  ASSERT_EQ(Kalo({"ring.dxf", "/JSON", "/AXIS=1,7,1,3"}).exitCode, 0);
  const long double solidDisc = 3.14159265358979323846L * 4 * 4 * 1 * kInch * kInch * kInch;
  EXPECT_NEAR(Volume(), solidDisc, 1e-9 * solidDisc);

  ASSERT_EQ(Kalo({"ring.dxf", "/I", "/NOGUI"}).exitCode, 0);
  std::string report = testing::ReadBytes(dir.File("ring.txt"));
  EXPECT_NE(report.find("DXF-IMPORT"), std::string::npos) << report;

  // Metres in the header for a part 40 m long: taken, but doubted in the messages.
  WriteRing(6, 10);
  ASSERT_EQ(Kalo({"ring.dxf", "/JSON"}).exitCode, 0);
  EXPECT_NE(Json().find("/UNITS=mm liest es in Millimetern"), std::string::npos) << Json();
  ASSERT_EQ(Kalo({"ring.dxf", "/JSON", "/UNITS=m"}).exitCode, 0);
  EXPECT_EQ(Json().find("/UNITS=mm liest"), std::string::npos) << Json();

  testing::ProcessResult wrong = Kalo({"ring.dxf", "/I", "/AXIS=z"});
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_NE(wrong.errorOutput.find("unbekannte Achse /AXIS=z"), std::string::npos) << wrong.errorOutput;
}

}  // namespace
}  // namespace kalo
