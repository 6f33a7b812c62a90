// The command line program run as a user runs it, on the shipped examples.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "datafile/data_file_reader.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class BatchChain : public ::testing::TestWithParam<std::string> {
 protected:
  // kalo with the given arguments in the test directory, dated 7 December 2026, 9:05.
  testing::ProcessResult Kalo(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KALO_EXECUTABLE);
    return testing::RunProcess(dir.Path(), arguments,
                               {"SOURCE_DATE_EPOCH=1796634300", "TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  }

  static std::string Example(const std::string& name) {
    return std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal";
  }

  static std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
  }

  testing::TempDir dir;
};

TEST_P(BatchChain, ReportMatchesTheGoldenFileLineByLine) {
  const std::string name = GetParam();
  testing::ProcessResult result = Kalo({Example(name), "/I", "/NOGUI"});
  ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
  std::vector<std::string> written = Lines(testing::ReadBytes(dir.File(name + ".txt")));
  std::vector<std::string> golden =
      Lines(testing::ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/app/" + name + ".txt"));
  ASSERT_FALSE(golden.empty());
  ASSERT_EQ(written.size(), golden.size());
  for (size_t i = 0; i < golden.size(); ++i) EXPECT_EQ(written[i], golden[i]) << "line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Shipped, BatchChain, ::testing::Values("shaft", "flange", "pulley", "sphere", "torus"));

TEST_F(BatchChain, UnreadableFileEndsWithExitCodeOneAndNoReport) {
  testing::ProcessResult missing = Kalo({"fehlt.kal", "/I", "/NOGUI"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.errorOutput.find("fehlt.kal"), std::string::npos);
  EXPECT_FALSE(FileExists(dir.File("fehlt.txt")));

  testing::WriteBytes(dir.File("kaputt.kal"), "-----\r\nnur Unsinn\r\n");
  testing::ProcessResult garbage = Kalo({"kaputt.kal", "/i"});
  EXPECT_EQ(garbage.exitCode, 1);
  EXPECT_NE(garbage.errorOutput.find("kaputt.kal"), std::string::npos);
  EXPECT_FALSE(FileExists(dir.File("kaputt.txt")));
}

TEST_F(BatchChain, FatalCalculationPrintsItsMessagesAndFails) {
  std::string flange = testing::ReadBytes(Example("flange"));
  // The same file with every radius 0: the section has no area.
  std::vector<std::string> lines = Lines(flange);
  for (size_t i = 0; i + 2 < lines.size(); ++i)
    if (lines[i].find(". Punkt") != std::string::npos) lines[i + 2] = "0.000";
  std::string flat;
  for (const std::string& line : lines) flat += line + "\r\n";
  testing::WriteBytes(dir.File("flach.kal"), flat);

  testing::ProcessResult result = Kalo({"flach.kal", "/I", "/NOGUI"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errorOutput.find("Fatal  : A = 0 !"), std::string::npos);
  EXPECT_FALSE(FileExists(dir.File("flach.txt")));
}

TEST_F(BatchChain, ReportThatCannotBeWrittenFailsWithAMessage) {
  ASSERT_EQ(mkdir(dir.File("flange.txt").c_str(), 0755), 0);  // a folder stands where the report goes
  testing::ProcessResult result = Kalo({Example("flange"), "/I", "/NOGUI"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errorOutput.find("flange.txt"), std::string::npos) << result.errorOutput;
}

TEST_F(BatchChain, PolylineViewGivesOneClosedPolylineWhoseBulgesAreTheArcs) {
  testing::ProcessResult result = Kalo({Example("pulley"), "/CAD1:6"});
  ASSERT_EQ(result.exitCode, 0) << result.errorOutput;

  testing::TestContext expected;
  ASSERT_TRUE(ReadDataFile(expected.context, Example("pulley")));
  const Contour& contour = expected.context.body.contour;
  std::vector<std::string> check = {"/usr/bin/python3", std::string(KALO_SOURCE_DIR) + "/tests/app/polyline_check.py",
                                    dir.File("pulley.dxf")};
  for (int i = 1; i <= contour.count; ++i) {
    // The closing segment back to the first point is always straight.
    long double bulge = i == contour.count ? 0 : std::tan(contour[i].phi / 4);
    check.push_back(std::to_string(static_cast<double>(contour[i].x)) + "," +
                    std::to_string(static_cast<double>(contour[i].y)) + "," + std::to_string(static_cast<double>(bulge)));
  }
  testing::ProcessResult read = testing::RunProcess(dir.Path(), check, {});
  EXPECT_EQ(read.exitCode, 0) << read.errorOutput;
}

TEST_F(BatchChain, EveryCadFormatIsWrittenBesideTheWorkingDirectory) {
  EXPECT_EQ(Kalo({Example("flange"), "/CAD2:5"}).exitCode, 0);
  std::string iges = testing::ReadBytes(dir.File("flange.igs"));
  EXPECT_TRUE(iges.ends_with("T0000001\r\n"));
  EXPECT_EQ(Kalo({Example("flange"), "/cad5:3"}).exitCode, 0);
  std::string txt = testing::ReadBytes(dir.File("flange.txt"));
  EXPECT_TRUE(txt.starts_with("MINMAX\t")) << txt.substr(0, 40);
  EXPECT_TRUE(txt.ends_with("EOF\r\n"));
}

TEST_F(BatchChain, CadViewOutOfRangeOrUnwritableOutputFails) {
  testing::ProcessResult outOfRange = Kalo({Example("flange"), "/CAD1:9"});
  EXPECT_EQ(outOfRange.exitCode, 1);
  EXPECT_FALSE(outOfRange.errorOutput.empty());
  EXPECT_FALSE(FileExists(dir.File("flange.dxf")));

  ASSERT_EQ(mkdir(dir.File("flange.dxf").c_str(), 0755), 0);  // a folder stands where the drawing goes
  testing::ProcessResult unwritable = Kalo({Example("flange"), "/CAD1:1"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.errorOutput.find("flange.dxf"), std::string::npos) << unwritable.errorOutput;
}

TEST_F(BatchChain, DrawingIsImportedInPlaceOfADataFile) {
  // The pulley's polyline view as a drawing of another name, in capitals.
  ASSERT_EQ(Kalo({Example("pulley"), "/CAD1:6"}).exitCode, 0);
  ASSERT_EQ(std::rename(dir.File("pulley.dxf").c_str(), dir.File("RAD.DXF").c_str()), 0);
  std::string drawing = testing::ReadBytes(dir.File("RAD.DXF"));

  testing::ProcessResult report = Kalo({"RAD.DXF", "/I", "/NOGUI"});
  ASSERT_EQ(report.exitCode, 0) << report.errorOutput;
  // The density stays the program's default, the section is the pulley's.
  std::vector<std::string> golden =
      Lines(testing::ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/app/pulley.txt"));
  std::vector<std::string> written = Lines(testing::ReadBytes(dir.File("RAD.txt")));
  auto area = [](const std::vector<std::string>& lines) {
    auto found = std::find_if(lines.begin(), lines.end(),
                              [](const std::string& line) { return line.find("\tAxy\t") != std::string::npos; });
    return found == lines.end() ? std::string() : *found;
  };
  EXPECT_FALSE(area(golden).empty());
  EXPECT_EQ(area(written), area(golden));

  // The drawing sheet goes beside the drawing, never over it.
  testing::ProcessResult sheet = Kalo({"RAD.DXF", "/CAD1:5"});
  ASSERT_EQ(sheet.exitCode, 0) << sheet.errorOutput;
  EXPECT_TRUE(FileExists(dir.File("RAD-kalo.dxf")));
  EXPECT_EQ(testing::ReadBytes(dir.File("RAD.DXF")), drawing);
}

TEST_F(BatchChain, DrawingWithoutAClosedContourFailsWithItsMessage) {
  testing::WriteBytes(dir.File("offen.dxf"),
                      "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n10\n 21\n0\n"
                      "  0\nENDSEC\n  0\nEOF\n");
  testing::ProcessResult result = Kalo({"offen.dxf", "/I", "/NOGUI"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errorOutput.find("offen.dxf: keine geschlossene Kontur"), std::string::npos) << result.errorOutput;
  EXPECT_FALSE(FileExists(dir.File("offen.txt")));
}

TEST_F(BatchChain, UsageScreenIsShownAndEndsSuccessfully) {
  EXPECT_EQ(Kalo({"/?"}).exitCode, 0);
}

}  // namespace
}  // namespace kalo
