// The plot program really started: a recording program receives the plot file as one
// argument, a missing one is reported, and the shipped plot program draws a PDF page.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cad/plot_command_start.h"
#include "context/context.h"
#include "support/run_process.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

// The started program runs on its own; its record appears when it has finished.
std::string WaitForFile(const std::string& path) {
  for (int i = 0; i < 500 && !std::filesystem::exists(path + ".done"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return ReadBytes(path);
}

class RealPlotProgram : public ::testing::Test {
 protected:
  RealPlotProgram() {
    std::filesystem::create_directories(temp);
    context.config.tempDirectory = temp;
  }

  TempDir dir;
  std::string temp = dir.File("plot files; echo x");
  ScriptedUi ui;
  PosixPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context{ui, platform, clock};
};

TEST_F(RealPlotProgram, ThePlotFileReachesTheProgramAsOneArgument) {
  const std::string recorder = dir.File("recorder");
  WriteBytes(recorder, "#!/bin/sh\nfor a; do printf '%s\\n' \"$a\"; done > \"$0.args\"\ntouch \"$0.args.done\"\n");
  chmod(recorder.c_str(), 0755);
  context.config.plotCommands[0] = recorder + " PENPLOT.DXF /M1.0";
  ASSERT_TRUE(StartPlotCommand(context));
  EXPECT_EQ(WaitForFile(recorder + ".args"), temp + "/penplot.dxf\n/M1.0\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RealPlotProgram, AMissingProgramShowsFileNotFound) {
  context.config.plotCommands[0] = dir.File("no-such-plotter") + " penplot.dxf";
  EXPECT_FALSE(StartPlotCommand(context));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "file not found");
  EXPECT_TRUE(context.state.cancel);
}

// The page size of the PDF in points as pdfinfo reads it, e.g. "595.28 x 841.89".
std::string PageSize(const std::string& pdf, const std::string& folder) {
  std::string info = folder + "/info.txt";
  RunProcess(folder, {"/bin/sh", "-c", "pdfinfo \"$0\" > \"$1\"", pdf, info}, {"PATH=/usr/bin:/bin"});
  std::string text = ReadBytes(info);
  size_t at = text.find("Page size:");
  if (at == std::string::npos) return "";
  size_t from = text.find_first_not_of(' ', at + 10);
  return text.substr(from, text.find(" pts", from) - from);
}

// Share of dark pixels of the page rendered by poppler.
double Ink(const std::string& pdf, const std::string& folder) {
  RunProcess(folder, {"/usr/bin/pdftoppm", "-r", "20", "-gray", "-singlefile", pdf, folder + "/page"}, {});
  std::string image = ReadBytes(folder + "/page.pgm");
  // "P5\n<w> <h>\n255\n" then one byte a pixel.
  size_t header = 0;
  for (int lines = 0; lines < 3 && header < image.size(); ++header)
    if (image[header] == '\n') ++lines;
  if (header >= image.size()) return 0;
  size_t dark = 0;
  for (size_t i = header; i < image.size(); ++i) dark += static_cast<unsigned char>(image[i]) < 128;
  return static_cast<double>(dark) / static_cast<double>(image.size() - header);
}

TEST(ShippedPlotProgram, DrawsThePlotFileOnAnA4PageTurnedWhenAsked) {
  TempDir dir;
  const std::string dxf = dir.File("penplot.dxf");
  std::filesystem::copy_file(KALO_SOURCE_DIR "/data/examples/pulley.kal", dir.File("pulley.kal"));
  ASSERT_EQ(RunProcess(dir.Path(), {KALO_EXECUTABLE, "pulley.kal", "/CAD1:5"}, {}).exitCode, 0);
  std::filesystem::rename(dir.File("pulley.dxf"), dxf);
  const std::string script = KALO_SOURCE_DIR "/data/kalo-plot";
  // The input word without extension, fitted to the sheet, into a file.
  ProcessResult fit = RunProcess(dir.Path(), {"/bin/sh", script, dir.File("penplot"), "/CHPL", "/M*",
                                              "/F" + dir.File("fit")}, {"PATH=/usr/bin:/bin"});
  ASSERT_EQ(fit.exitCode, 0) << fit.errorOutput;
  EXPECT_EQ(PageSize(dir.File("fit.pdf"), dir.Path()), "595.28 x 841.89");  // the sheet stands upright
  EXPECT_GT(Ink(dir.File("fit.pdf"), dir.Path()), 0.01);

  ProcessResult turned = RunProcess(dir.Path(), {"/bin/sh", script, dxf, "/M*", "/R", "/F" + dir.File("turned.pdf")},
                                    {"PATH=/usr/bin:/bin"});
  ASSERT_EQ(turned.exitCode, 0) << turned.errorOutput;
  EXPECT_EQ(PageSize(dir.File("turned.pdf"), dir.Path()), "841.89 x 595.28");

  ProcessResult missing = RunProcess(dir.Path(), {"/bin/sh", script, dir.File("none.dxf")}, {"PATH=/usr/bin:/bin"});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_NE(missing.errorOutput.find("none.dxf"), std::string::npos);
}

}  // namespace
}  // namespace kalo::testing
