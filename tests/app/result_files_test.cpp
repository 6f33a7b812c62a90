// The full results report, the JSON file and the summary table, read back by Python's own
// json and csv modules.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

class ResultFiles : public ::testing::TestWithParam<std::string> {
 protected:
  testing::ProcessResult Kalo(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KALO_EXECUTABLE);
    return Run(arguments);
  }
  testing::ProcessResult Run(const std::vector<std::string>& arguments) {
    return testing::RunProcess(dir.Path(), arguments,
                               {"SOURCE_DATE_EPOCH=1796634300", "TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  }
  testing::ProcessResult Check(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"/usr/bin/python3", std::string(KALO_SOURCE_DIR) + "/tests/app/results_check.py"});
    return Run(arguments);
  }
  // kalo --summary with the arguments, its output into table.csv.
  testing::ProcessResult Summary(const std::string& arguments) {
    return Run({"/bin/sh", "-c", std::string(KALO_EXECUTABLE) + " --summary " + arguments + " > table.csv"});
  }
  static std::string Example(const std::string& name) {
    return std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal";
  }

  testing::TempDir dir;
};

TEST_P(ResultFiles, FullReportFollowsTheReportAndAgreesWithTheJsonFile) {
  const std::string name = GetParam();
  ASSERT_EQ(Kalo({Example(name), "/A"}).exitCode, 0);
  std::string full = testing::ReadBytes(dir.File(name + ".txt"));
  std::string golden = testing::ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/app/" + name + ".txt");
  EXPECT_TRUE(full.starts_with(golden)) << full.substr(0, 400);
  EXPECT_NE(full.find("ALLE ERGEBNISSE"), std::string::npos);

  testing::ProcessResult json = Kalo({Example(name), "/json"});
  ASSERT_EQ(json.exitCode, 0) << json.errorOutput;
  testing::ProcessResult check = Check({"json", dir.File(name + ".txt"), dir.File(name + ".json")});
  EXPECT_EQ(check.exitCode, 0) << check.errorOutput;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ResultFiles, ::testing::Values("shaft", "flange", "pulley", "sphere", "torus"));

TEST_F(ResultFiles, MissingOrDamagedFileGivesNoOutputAndExitCodeOne) {
  testing::WriteBytes(dir.File("kaputt.kal"), "-----\r\nnur Unsinn\r\n");
  for (std::string file : {"fehlt.kal", "kaputt.kal"}) {
    for (std::string option : {"/A", "/JSON"}) {
      testing::ProcessResult result = Kalo({file, option});
      EXPECT_EQ(result.exitCode, 1) << file << option;
      EXPECT_NE(result.errorOutput.find(file), std::string::npos) << result.errorOutput;
    }
  }
  EXPECT_FALSE(FileExists(dir.File("fehlt.json")) || FileExists(dir.File("kaputt.json")));
  EXPECT_FALSE(FileExists(dir.File("fehlt.txt")) || FileExists(dir.File("kaputt.txt")));
}

TEST_F(ResultFiles, FailedCalculationGivesJsonWithItsMessagesOnly) {
  // The flange with every radius 0: the section has no area.
  testing::ProcessResult make = Run({"/usr/bin/python3", "-c",
                                     "import sys\n"
                                     "lines=open(sys.argv[1],encoding='cp850',newline='').read().split('\\r\\n')\n"
                                     "for i,l in enumerate(lines):\n"
                                     "  if '. Punkt' in l: lines[i+2]='0.000'\n"
                                     "open('flach.kal','w',encoding='cp850',newline='').write('\\r\\n'.join(lines))\n",
                                     Example("flange")});
  ASSERT_EQ(make.exitCode, 0) << make.errorOutput;
  testing::ProcessResult failed = Kalo({"flach.kal", "/JSON"});
  EXPECT_EQ(failed.exitCode, 1);
  std::string check =
      "import json,sys\n"
      "d=json.load(open(sys.argv[1],encoding='utf-8'))\n"
      "assert d['ok'] is False and d['schema_version']==1, d\n"
      "assert 'Fatal  : A = 0 !' in d['messages'], d\n"
      "assert not any(k in d for k in ('input','section','solid','element_Jx_kgm2')), d\n";
  testing::ProcessResult read = Run({"/usr/bin/python3", "-c", check, dir.File("flach.json")});
  EXPECT_EQ(read.exitCode, 0) << read.errorOutput;
}

TEST_F(ResultFiles, SummaryTableOfAFolderWithGoodAndDamagedFiles) {
  ASSERT_EQ(mkdir(dir.File("bodies").c_str(), 0755), 0);
  for (std::string name : {"flange", "pulley", "sphere"}) {
    testing::WriteBytes(dir.File("bodies/" + name + ".kal"), testing::ReadBytes(Example(name)));
    ASSERT_EQ(Kalo({Example(name), "/JSON"}).exitCode, 0);
  }
  testing::WriteBytes(dir.File("bodies/kaputt.kal"), "-----\r\nnur Unsinn\r\n");
  testing::WriteBytes(dir.File("bodies/notes.txt"), "not a data file\r\n");

  testing::ProcessResult summary = Summary("bodies fehlt.kal " + Example("torus"));
  EXPECT_EQ(summary.exitCode, 1) << summary.errorOutput;
  ASSERT_EQ(Kalo({Example("torus"), "/JSON"}).exitCode, 0);
  testing::ProcessResult check =
      Check({"csv", dir.File("table.csv"), "bodies/flange.kal=" + dir.File("flange.json"), "bodies/kaputt.kal=",
             "bodies/pulley.kal=" + dir.File("pulley.json"), "bodies/sphere.kal=" + dir.File("sphere.json"),
             "fehlt.kal=", Example("torus") + "=" + dir.File("torus.json")});
  EXPECT_EQ(check.exitCode, 0) << check.errorOutput;

  EXPECT_EQ(Summary("bodies/flange.kal").exitCode, 0);
}

TEST_F(ResultFiles, LinuxOptions) {
  EXPECT_EQ(Kalo({"--help"}).exitCode, 0);
  EXPECT_EQ(Kalo({"--version"}).exitCode, 0);
  testing::ProcessResult unknown = Kalo({"--frobnicate"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.errorOutput.find("--frobnicate"), std::string::npos);
  EXPECT_NE(unknown.errorOutput.find("--summary"), std::string::npos);
  EXPECT_NE(unknown.errorOutput.find("Command Line Mode"), std::string::npos);
}

}  // namespace
}  // namespace kalo
