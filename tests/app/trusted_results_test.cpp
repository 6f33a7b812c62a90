// What the command line chains say about a calculation that left part of the body out or
// overflowed: never a result that looks valid. Results read back by Python's json module.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/config_fixture.h"
#include "datafile/data_file_writer.h"
#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

struct Point {
  long double x, y, phi = 0;
};

class TrustedResults : public ::testing::Test {
 protected:
  testing::ProcessResult Run(const std::vector<std::string>& arguments) {
    return testing::RunProcess(dir.Path(), arguments,
                               {"SOURCE_DATE_EPOCH=1796634300", "TEMP=" + dir.Path(), "HOME=" + dir.Path(),
                                "XDG_CONFIG_HOME=" + dir.Path(), "PATH=/usr/bin:/bin"});
  }
  testing::ProcessResult Kalo(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KALO_EXECUTABLE);
    return Run(arguments);
  }
  // A Python expression on the JSON file's document d, printed; its exit code 0 when true.
  testing::ProcessResult JsonHolds(const std::string& file, const std::string& condition) {
    return Run({"/usr/bin/python3", "-c",
                "import json,sys; d=json.load(open('" + file + "')); sys.exit(0 if (" + condition + ") else 1)"});
  }
  void WriteBody(const std::string& name, const std::vector<Point>& points) {
    testing::TestContext t;
    t.context.config.decimals = 10;  // every digit of the angles kept
    for (const Point& p : points) t.context.body.contour[++t.context.body.contour.count] = {p.x, p.y, p.phi};
    ASSERT_TRUE(WriteDataFile(t.context, dir.File(name)));
  }
  void UseExactArcs(const std::string& spelling) {
    std::vector<std::string> lines = testing::InitialConfigurationLines();
    testing::SetValue(lines, "Bögen exakt", spelling);
    testing::WriteLines(dir.File("kalo.cfg"), lines);
  }

  testing::TempDir dir;
};

// Two triangles meeting where the outline crosses itself: their signed areas (-600 mm²) and a
// volume used to be reported with exit code 0.
TEST_F(TrustedResults, AnOutlineThatCrossesItselfFailsAndSaysWhere) {
  WriteBody("schleife.kal", {{0, 20}, {60, 80}, {60, 20}, {0, 60}});
  testing::ProcessResult json = Kalo({"schleife.kal", "/JSON"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_EQ(JsonHolds("schleife.json", "d['ok'] is False and 'solid' not in d and 'El. 1/3' in d['messages'][0]").exitCode, 0);
  EXPECT_EQ(Kalo({"schleife.kal", "/I", "/NOGUI"}).exitCode, 1);
}

TEST_F(TrustedResults, APointBelowTheAxisFailsEveryChain) {
  WriteBody("unten.kal", {{0, 0}, {100, 0}, {100, 5}, {50, -5}, {0, 5}});
  EXPECT_EQ(Kalo({"unten.kal", "/I", "/NOGUI"}).exitCode, 1);
  EXPECT_EQ(Kalo({"unten.kal", "/A"}).exitCode, 1);
  testing::ProcessResult json = Kalo({"unten.kal", "/JSON"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_NE(json.errorOutput.find("GetMasseR"), std::string::npos) << json.errorOutput;
  EXPECT_EQ(JsonHolds("unten.json", "d['ok'] is False and 'solid' not in d").exitCode, 0);
  ASSERT_EQ(Run({"/bin/sh", "-c", std::string(KALO_EXECUTABLE) + " --summary unten.kal > table.csv"}).exitCode, 1);
  std::string table = testing::ReadBytes(dir.File("table.csv"));
  EXPECT_NE(table.find("Fatal  : GetMasseR"), std::string::npos) << table;
}

TEST_F(TrustedResults, ValuesBeyondTheNumberRangeAreAnOverflowAndTheJsonStaysValid) {
  WriteBody("riesig.kal", {{0, 0}, {1e200L, 0}, {1e200L, 1e200L}, {0, 1e200L}});
  EXPECT_EQ(Kalo({"riesig.kal", "/I", "/NOGUI"}).exitCode, 1);
  testing::ProcessResult json = Kalo({"riesig.kal", "/JSON"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_EQ(JsonHolds("riesig.json", "d['ok'] is False").exitCode, 0);
  EXPECT_EQ(testing::ReadBytes(dir.File("riesig.json")).find("inf"), std::string::npos);
}

TEST_F(TrustedResults, ASphereInBothModesWithAnySpellingOfTheSetting) {
  // The shipped sphere keeps its angle to ten decimals: with true arcs it is the sphere.
  std::string sphere = std::string(KALO_SOURCE_DIR) + "/data/examples/sphere.kal";
  ASSERT_EQ(Kalo({sphere, "/JSON"}).exitCode, 0);
  EXPECT_EQ(JsonHolds("sphere.json", "d['ok'] and d['messages'] == [] and d['input']['exact_arcs'] == 0").exitCode, 0);
  for (std::string spelling : {"TRUE", "1", "ja", "J", "yes"}) {
    UseExactArcs(spelling);
    ASSERT_EQ(Kalo({sphere, "/JSON"}).exitCode, 0) << spelling;
    EXPECT_EQ(JsonHolds("sphere.json", "d['input']['exact_arcs'] == 1 and "
                                       "abs(d['solid']['V_mm3'] / (4 / 3 * 3.141592653589793 * 50**3) - 1) < 1e-10")
                  .exitCode,
              0)
        << spelling;
  }
}

}  // namespace
}  // namespace kalo
