// The SVG and PDF drawings of the command line program, read back by programs no one here
// wrote: python's XML parser against ezdxf's reading of the DXF of the same view, and
// poppler's pdfinfo and pdftotext.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "config/config_fixture.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

// The standard output of a shell command line; empty when it fails.
std::string Output(const std::string& commandLine) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(commandLine.c_str(), "r"), pclose);
  std::string text;
  char buffer[4096];
  for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) text.append(buffer, n);
  return text;
}

std::string CollapsedBlanks(const std::string& text) {
  std::string result;
  for (char c : text) {
    bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\f';
    if (!blank || (!result.empty() && result.back() != ' ')) result += blank ? ' ' : c;
  }
  return result;
}

class PageOutput : public ::testing::Test {
 protected:
  // kalo with the given arguments in the test directory, dated 7 December 2026, 9:05.
  testing::ProcessResult Kalo(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KALO_EXECUTABLE);
    return testing::RunProcess(dir.Path(), arguments,
                               {"SOURCE_DATE_EPOCH=1796634300", "TEMP=" + dir.Path(), "PATH=/usr/bin:/bin"});
  }

  // The example as body.kal in the test directory.
  void UseExample(const std::string& name) {
    testing::WriteBytes(dir.File("body.kal"),
                        testing::ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal"));
  }

  void ExpectSvgMatchesDxf(const std::string& view) {
    ASSERT_EQ(Kalo({"body.kal", "/CAD6:" + view}).exitCode, 0) << view;
    ASSERT_EQ(Kalo({"body.kal", "/CAD1:" + view}).exitCode, 0) << view;
    testing::ProcessResult check = testing::RunProcess(
        dir.Path(),
        {"/usr/bin/python3", std::string(KALO_SOURCE_DIR) + "/tests/cad/page_check.py", "body.svg", "body.dxf"}, {});
    EXPECT_EQ(check.exitCode, 0) << "view " << view << "\n" << check.errorOutput;
  }

  // The files in the test directory but the error output of the runs.
  std::set<std::string> FilesLeft() const {
    std::set<std::string> files = testing::FolderEntries(dir.Path());
    files.erase("stderr.log");
    return files;
  }

  testing::TempDir dir;
};

TEST_F(PageOutput, SvgHoldsEveryPathAndTextOfTheDxfOfTheSameView) {
  UseExample("pulley");
  for (const char* view : {"1", "3", "5", "6"}) ExpectSvgMatchesDxf(view);
  std::string svg = testing::ReadBytes(dir.File("body.svg"));
  EXPECT_NE(svg.find(" A"), std::string::npos) << "the pulley's rounded edges are true arcs";
}

TEST_F(PageOutput, PdfSheetHasTheSheetsSizeInMillimetresAndItsTexts) {
  UseExample("pulley");
  ASSERT_EQ(Kalo({"body.kal", "/CAD7:5"}).exitCode, 0);
  const std::string pdf = dir.File("body.pdf");
  std::string info = Output("pdfinfo '" + pdf + "'");
  double width = 0;
  double height = 0;
  size_t size = info.find("Page size:");
  ASSERT_NE(size, std::string::npos) << info;
  ASSERT_EQ(std::sscanf(info.c_str() + size, "Page size: %lf x %lf", &width, &height), 2) << info;
  // The sheet's extents run from -5 to 225 and from -5 to 310 mm.
  EXPECT_NEAR(width / kPointsPerMm, 230, 0.05);
  EXPECT_NEAR(height / kPointsPerMm, 315, 0.05);
  EXPECT_NE(Output("pdffonts '" + pdf + "'").find(" yes "), std::string::npos) << "the font is embedded";

  std::string text = CollapsedBlanks(Output("pdftotext '" + pdf + "' -"));
  for (const char* expected : {"Vervielfältigung dieser Unterlage", "ausdrücklich zugestanden", "Rechte für den Fall"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

// Every view of every shipped example, written as DXF, SVG, PDF and TXT: the extents of each
// file hold every line, arc, solid and text (texts measured in the drawing's font).
TEST_F(PageOutput, EveryViewOfEveryExampleHoldsEverythingDrawnInsideItsExtents) {
  for (const char* example : {"flange", "pulley", "shaft", "sphere", "torus"}) {
    UseExample(example);
    for (int view = 1; view <= 6; ++view) {
      for (int format : {1, 5, 6, 7})
        ASSERT_EQ(Kalo({"body.kal", "/CAD" + std::to_string(format) + ":" + std::to_string(view)}).exitCode, 0);
      testing::ProcessResult check = testing::RunProcess(
          dir.Path(), {"/usr/bin/python3", std::string(KALO_SOURCE_DIR) + "/tests/cad/extents_check.py", "body"}, {});
      EXPECT_EQ(check.exitCode, 0) << example << " view " << view << "\n" << check.errorOutput;
    }
  }
}

// The page drawings name the drawing, its number, its author and the program.
TEST_F(PageOutput, PdfAndSvgCarryTheDrawingsNameNumberAndAuthor) {
  UseExample("flange");
  ASSERT_EQ(Kalo({"body.kal", "/CAD7:5"}).exitCode, 0);
  ASSERT_EQ(Kalo({"body.kal", "/CAD6:5"}).exitCode, 0);
  std::string info = Output("pdfinfo '" + dir.File("body.pdf") + "'");
  for (const char* expected : {"Title:           Flansch mit Nabe\n", "Subject:         KA-1002\n",
                               "Author:          Maier\n", "Creator:         KALO 2.0\n"})
    EXPECT_NE(info.find(expected), std::string::npos) << expected << info;
  std::string svg = testing::ReadBytes(dir.File("body.svg"));
  for (const char* expected : {"<title>Flansch mit Nabe</title>", "<dc:subject>KA-1002</dc:subject>",
                               "<dc:creator>Maier</dc:creator>", "<xmp:CreatorTool>KALO 2.0</xmp:CreatorTool>"})
    EXPECT_NE(svg.find(expected), std::string::npos) << expected;
}

// Colours and line widths as poppler renders the sheet and as the SVG states them: black in
// two widths unless the layer colours are asked for with /COLOR.
TEST_F(PageOutput, SheetIsBlackInTwoWidthsUnlessColoursAreAskedFor) {
  UseExample("pulley");
  auto colouredPixels = [this] {
    std::string image = Output("pdftoppm -r 40 '" + dir.File("body.pdf") + "'");
    int columns = 0, rows = 0, used = 0;
    EXPECT_EQ(std::sscanf(image.c_str(), "P6 %d %d 255%n", &columns, &rows, &used), 2);
    int coloured = 0;
    for (size_t i = static_cast<size_t>(used) + 1; i + 2 < image.size(); i += 3) {
      auto channel = [&](size_t k) { return static_cast<unsigned char>(image[i + k]); };
      if (std::abs(channel(0) - channel(1)) > 40 || std::abs(channel(1) - channel(2)) > 40) ++coloured;
    }
    return coloured;
  };
  ASSERT_EQ(Kalo({"body.kal", "/CAD7:5"}).exitCode, 0);
  EXPECT_EQ(colouredPixels(), 0);
  ASSERT_EQ(Kalo({"body.kal", "/CAD7:5", "/color"}).exitCode, 0);
  EXPECT_GT(colouredPixels(), 100);

  ASSERT_EQ(Kalo({"body.kal", "/CAD6:5"}).exitCode, 0);
  std::string svg = testing::ReadBytes(dir.File("body.svg"));
  std::set<std::string> strokes, widths;
  for (size_t at = svg.find("stroke=\"#"); at != std::string::npos; at = svg.find("stroke=\"#", at + 1))
    strokes.insert(svg.substr(at + 8, 7));
  for (size_t at = svg.find("stroke-width=\""); at != std::string::npos; at = svg.find("stroke-width=\"", at + 1))
    widths.insert(svg.substr(at + 14, svg.find('"', at + 14) - at - 14));
  EXPECT_EQ(strokes, (std::set<std::string>{"#000000"}));
  EXPECT_EQ(widths, (std::set<std::string>{"0.25", "0.5"}));
}

TEST_F(PageOutput, EqualRunsGiveEqualFiles) {
  UseExample("flange");
  ASSERT_EQ(Kalo({"body.kal", "/CAD7:5"}).exitCode, 0);
  ASSERT_EQ(Kalo({"body.kal", "/CAD6:5"}).exitCode, 0);
  std::string pdf = testing::ReadBytes(dir.File("body.pdf"));
  std::string svg = testing::ReadBytes(dir.File("body.svg"));
  ASSERT_EQ(Kalo({"body.kal", "/CAD7:5"}).exitCode, 0);
  ASSERT_EQ(Kalo({"body.kal", "/CAD6:5"}).exitCode, 0);
  EXPECT_EQ(testing::ReadBytes(dir.File("body.pdf")), pdf);
  EXPECT_EQ(testing::ReadBytes(dir.File("body.svg")), svg);
}

TEST_F(PageOutput, FontThatIsNotInstalledFailsWithoutAFile) {
  UseExample("flange");
  std::vector<std::string> lines = testing::InitialConfigurationLines();
  testing::SetValue(lines, "Textstil Grafik", "KeineSolcheSchrift");
  testing::WriteLines(dir.File("kalo.cfg"), lines);
  testing::ProcessResult result = Kalo({"body.kal", "/CAD7:5"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errorOutput.find("KeineSolcheSchrift"), std::string::npos) << result.errorOutput;
  EXPECT_EQ(FilesLeft(), (std::set<std::string>{"body.kal", "kalo.cfg"}));
}

TEST_F(PageOutput, FullDiskOrUnwritableOutputFailsWithAMessage) {
  UseExample("flange");
  ASSERT_EQ(symlink("/dev/full", dir.File("body.pdf").c_str()), 0);
  testing::ProcessResult full = Kalo({"body.kal", "/CAD7:5"});
  EXPECT_EQ(full.exitCode, 1);
  EXPECT_NE(full.errorOutput.find("body.pdf"), std::string::npos) << full.errorOutput;

  ASSERT_EQ(mkdir(dir.File("body.svg").c_str(), 0755), 0);  // a folder stands where the drawing goes
  testing::ProcessResult unwritable = Kalo({"body.kal", "/CAD6:1"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.errorOutput.find("body.svg"), std::string::npos) << unwritable.errorOutput;
  EXPECT_EQ(FilesLeft(), (std::set<std::string>{"body.kal", "body.pdf", "body.svg"}));
}

}  // namespace
}  // namespace kalo
