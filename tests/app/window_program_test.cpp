// The window program's start and end, and how the command line program hands over to it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/window_launch.h"
#include "app/window_start.h"
#include "cad/recording_plotter.h"
#include "config/recent_files.h"
#include "graphics/screen_plotter.h"
#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

TEST(WindowProgram, StartShowsTheEmblemOnlyWithoutACommandLineFileAndTheEndKeepsTheRecentList) {
  testing::TempDir dir;
  testing::TestContext t;
  testing::RecordingPlotter plotter;
  t.platform.currentDirectory = dir.Path();
  t.context.configDirectory = dir.Path();
  t.platform.environment["TEMP"] = dir.Path();
  t.context.screenPlotter = &plotter;
  EXPECT_FALSE(StartWindowProgram(t.context).endProcess);
  EXPECT_EQ(plotter.calls, (std::vector<std::string>{"SetWindow", "DrawLogo"}));

  std::string example = std::string(KALO_SOURCE_DIR) + "/data/examples/flange.kal";
  plotter.calls.clear();
  t.context.state.arguments = {example};
  EXPECT_FALSE(StartWindowProgram(t.context).endProcess);
  EXPECT_TRUE(plotter.Starting("DrawLogo").empty());
  EXPECT_FALSE(plotter.Starting("Header").empty());  // the drawing sheet of the file instead

  t.context.state.recentFiles = {example, "", "", ""};
  EndWindowProgram(t.context);
  t.context.state.recentFiles = {};
  ReadRecentFiles(t.context);
  EXPECT_EQ(t.context.state.recentFiles[0], example);

  t.context.state.arguments = {"flansch"};  // the extension is missing: the process ends
  EXPECT_TRUE(StartWindowProgram(t.context).endProcess);
}

TEST(WindowProgram, ClientSizeFollowsTheConfiguredResolutionWithinTheScreen) {
  Configuration config;
  WindowSize screen{1920, 1040};
  EXPECT_EQ(InitialClientSize(config, screen).width, 580);
  EXPECT_EQ(InitialClientSize(config, screen).height, 375);
  config.resolutionX = 1023;
  config.resolutionY = 767;
  EXPECT_EQ(InitialClientSize(config, screen).width, 1024);
  EXPECT_EQ(InitialClientSize(config, screen).height, 768);
  config.resolutionX = 4000;
  config.resolutionY = 10;
  EXPECT_EQ(InitialClientSize(config, screen).width, 1920);
  EXPECT_EQ(InitialClientSize(config, screen).height, 200);
}

TEST(WindowProgram, CommandLineProgramHandsInteractiveRunsToTheWindowProgram) {
  EXPECT_TRUE(NeedsWindow({}));
  EXPECT_TRUE(NeedsWindow({"welle.kal"}));
  EXPECT_TRUE(NeedsWindow({"welle.edi", "/E"}));
  EXPECT_FALSE(NeedsWindow({"welle.kal", "/i"}));
  EXPECT_FALSE(NeedsWindow({"welle.kal", "/cad1:1"}));
  EXPECT_FALSE(NeedsWindow({"/?"}));
  EXPECT_FALSE(NeedsWindow({"welle.kal", "/NOGUI"}));
  EXPECT_FALSE(NeedsWindow({"welle.kal", "/JSN"}));

  // A copy of kalo with a stand-in window program beside it that writes down its arguments.
  testing::TempDir dir;
  std::string kalo = dir.File("kalo");
  std::filesystem::copy_file(KALO_EXECUTABLE, kalo);
  auto run = [&](const std::vector<std::string>& environment) {
    return testing::RunProcess(dir.Path(), {kalo, "welle.kal", "/E"}, environment);
  };
  testing::ProcessResult noDisplay = run({});
  EXPECT_EQ(noDisplay.exitCode, 1);
  EXPECT_NE(noDisplay.errorOutput.find("DISPLAY"), std::string::npos);

  testing::ProcessResult missing = run({"DISPLAY=:0"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.errorOutput.find(dir.File("kalo-gui")), std::string::npos);

  testing::WriteBytes(dir.File("kalo-gui"), "#!/bin/sh\necho \"$0|$*\" > arguments.txt\nexit 7\n");
  chmod(dir.File("kalo-gui").c_str(), 0755);
  EXPECT_EQ(run({"QT_QPA_PLATFORM=offscreen"}).exitCode, 7);
  EXPECT_EQ(testing::ReadBytes(dir.File("arguments.txt")), dir.File("kalo-gui") + "|welle.kal /E\n");

  // With /NOGUI or a mistyped switch the window never opens, display or not: a script
  // would wait for it forever.
  std::filesystem::remove(dir.File("arguments.txt"));
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"welle.kal", "/NOGUI"}, {"welle.kal", "/JSN", "/NOGUI"}, {"welle.kal", "/JSN"}}) {
    std::vector<std::string> command = {kalo};
    command.insert(command.end(), arguments.begin(), arguments.end());
    for (const std::vector<std::string>& environment : {std::vector<std::string>{}, {"DISPLAY=:0"}}) {
      testing::ProcessResult refused = testing::RunProcess(dir.Path(), command, environment);
      EXPECT_EQ(refused.exitCode, 1) << arguments[1];
      EXPECT_NE(refused.errorOutput.find(arguments[1] == "/JSN" ? "unbekannter Schalter /JSN" : "/NOGUI ohne Ausgabe"),
                std::string::npos)
          << refused.errorOutput;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("arguments.txt")));
}

}  // namespace
}  // namespace kalo
