#include "app/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <vector>

#include "app/file_commands.h"
#include "datafile/data_file_writer.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    t.platform.currentDirectory = dir.Path();
    state.startupDirectory = dir.Path();
    t.context.config.tempDirectory = dir.Path();
    t.context.config.defaultDataDirectory = dir.Path();
  }

  // A data file of the given points (mm) in the test directory.
  std::string WriteBody(const std::string& name, const std::vector<ContourElement>& points) {
    testing::TestContext writer;
    Contour& contour = writer.context.body.contour;
    for (const ContourElement& point : points) contour[++contour.count] = point;
    std::string path = dir.File(name);
    EXPECT_TRUE(WriteDataFile(writer.context, path));
    return path;
  }

  std::string WriteRectangle(const std::string& name) {
    return WriteBody(name, {{0, 0, 0}, {100, 0, 0}, {100, 10, 0}, {0, 10, 0}});
  }

  // A drawing (R12 DXF) of rectangles given as x0, y0, x1, y1, each drawn as four lines.
  std::string WriteDrawing(const std::string& name, const std::vector<std::array<int, 4>>& rectangles) {
    std::string entities;
    auto line = [&](int x1, int y1, int x2, int y2) {
      entities += "  0\nLINE\n  8\n0\n 10\n" + std::to_string(x1) + "\n 20\n" + std::to_string(y1) + "\n 11\n" +
                  std::to_string(x2) + "\n 21\n" + std::to_string(y2) + "\n";
    };
    for (const auto& [x0, y0, x1, y1] : rectangles) {
      line(x0, y0, x1, y0);
      line(x1, y0, x1, y1);
      line(x1, y1, x0, y1);
      line(x0, y1, x0, y0);
    }
    std::string path = dir.File(name);
    testing::WriteBytes(path, "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n");
    return path;
  }

  StartupOutcome Run(std::vector<std::string> arguments) {
    state.arguments = std::move(arguments);
    return Startup(t.context);
  }

  bool Told(const std::string& text) const {
    for (const auto& message : t.ui.messages)
      if (message.text.find(text) != std::string::npos) return true;
    return false;
  }

  testing::TempDir dir;
  testing::TestContext t;
  ProgramState& state = t.context.state;
};

TEST_F(StartupTest, UsageScreenEndsTheProcessSuccessfully) {
  StartupOutcome outcome = Run({"/?"});
  EXPECT_TRUE(outcome.endProcess);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(t.ui.shownLines.size(), 21u);
}

TEST_F(StartupTest, TextReportChainWritesTheReportBesideTheWorkingDirectory) {
  std::string path = WriteRectangle("rechteck.kal");
  StartupOutcome outcome = Run({path, "/i", "/nogui"});
  EXPECT_TRUE(outcome.endProcess);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(state.currentFileName, "rechteck");
  std::string report = testing::ReadBytes(dir.File("rechteck.txt"));
  EXPECT_NE(report.find("ERGEBNISSE"), std::string::npos);
  EXPECT_NE(report.find("1000"), std::string::npos);
}

TEST_F(StartupTest, TextReportChainFailsWithoutAReportForAnUnreadableFile) {
  StartupOutcome outcome = Run({dir.File("fehlt.kal"), "/I", "/NOGUI"});
  EXPECT_TRUE(outcome.endProcess);
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_TRUE(Told("fehlt.kal"));
  EXPECT_FALSE(FileExists(dir.File("fehlt.txt")));
}

TEST_F(StartupTest, FatalCalculationErrorWritesNoReportAndFails) {
  std::string path = WriteBody("linie.kal", {{0, 0, 0}, {100, 0, 0}});
  StartupOutcome outcome = Run({path, "/I", "/NOGUI"});
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_TRUE(Told("Fatal  : A = 0 !"));
  EXPECT_FALSE(FileExists(dir.File("linie.txt")));
}

TEST_F(StartupTest, InteractiveFileNeedsItsExtension) {
  StartupOutcome outcome = Run({"welle"});
  EXPECT_TRUE(outcome.endProcess);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_TRUE(Told(Oem("Erweiterung .kal muß mit angegeben werden")));
}

TEST_F(StartupTest, InteractiveFileIsReadAndNamesAreUsedAsGiven) {
  std::string path = WriteRectangle("rechteck.kal");
  StartupOutcome outcome = Run({path});
  EXPECT_FALSE(outcome.endProcess);
  EXPECT_TRUE(state.commandLineFile);
  EXPECT_EQ(state.dataDirectory, "");
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(t.context.body.contour.count, 4);
  EXPECT_NEAR(static_cast<double>(t.context.body.results.A), 1000.0, 1e-9);
}

TEST_F(StartupTest, NewNameStartsANewBodyUnderThatName) {
  StartupOutcome outcome = Run({dir.File("neu.kal")});
  EXPECT_FALSE(outcome.endProcess);
  EXPECT_EQ(t.context.body.contour.count, 0);
  EXPECT_EQ(state.currentFileName, dir.File("neu"));  // saved as neu.kal, shown as neu.kal
  EXPECT_TRUE(t.ui.messages.empty());
  EXPECT_TRUE(t.ui.questions.empty());

  StartupOutcome unwritable = Run({dir.File("kein/ordner.kal")});
  EXPECT_TRUE(unwritable.endProcess);
  EXPECT_EQ(unwritable.exitCode, 0);
  EXPECT_TRUE(Told("kein/ordner.kal"));
}

TEST_F(StartupTest, FileThatCannotBeReadIsReportedAndNeverSavedOver) {
  const std::string damaged = "-----\r\nnur Unsinn\r\n";
  testing::WriteBytes(dir.File("damaged.kal"), damaged);
  StartupOutcome outcome = Run({dir.File("damaged.kal")});
  EXPECT_FALSE(outcome.endProcess);
  EXPECT_TRUE(Told("damaged.kal, Zeile"));
  EXPECT_TRUE(t.ui.questions.empty()) << t.ui.questions[0];
  EXPECT_EQ(state.currentFileName, "");
  EXPECT_EQ(t.context.body.contour.count, 0);
  // Saving the empty body asks for a name; cancelled, the damaged file is as it was.
  FileSave(t.context);
  EXPECT_EQ(testing::ReadBytes(dir.File("damaged.kal")), damaged);

  std::filesystem::create_directory(dir.File("ordner.kal"));
  EXPECT_FALSE(Run({dir.File("ordner.kal")}).endProcess);
  EXPECT_TRUE(Told("ordner.kal: keine normale Datei"));
  EXPECT_EQ(state.currentFileName, "");
}

TEST_F(StartupTest, ReadableFileKeepsItsNameWhenTheErrorMessageFileIsMissing) {
  std::string path = WriteBody("linie.kal", {{0, 0, 0}, {100, 0, 0}});  // no area: the summary opens
  const std::string written = testing::ReadBytes(path);
  t.ui.choices = {0};  // the explanation of the first message, whose file is not there
  StartupOutcome outcome = Run({path});
  EXPECT_FALSE(outcome.endProcess);
  EXPECT_TRUE(Told("kalo.err"));
  EXPECT_TRUE(t.ui.questions.empty());
  EXPECT_EQ(state.currentFileName, "linie");
  EXPECT_EQ(t.context.body.contour.count, 2);
  EXPECT_EQ(testing::ReadBytes(path), written);
}

TEST_F(StartupTest, InteractiveDrawingIsImportedIntoAnUnnamedBody) {
  StartupOutcome outcome = Run({WriteDrawing("TEIL.DXF", {{0, 0, 100, 10}})});
  EXPECT_FALSE(outcome.endProcess);
  EXPECT_EQ(t.context.body.contour.count, 4);
  EXPECT_NEAR(static_cast<double>(t.context.body.results.A), 1000.0, 1e-9);
  EXPECT_EQ(state.currentFileName, "");
  EXPECT_FALSE(state.modified);
  EXPECT_FALSE(state.cancel);

  // A drawing that cannot be used is reported, and the run starts with the empty body.
  testing::TestContext fresh;
  t.context.body = fresh.context.body;
  EXPECT_FALSE(Run({WriteDrawing("offen.dxf", {})}).endProcess);
  EXPECT_TRUE(Told("offen.dxf"));
  EXPECT_EQ(t.context.body.contour.count, 0);
  EXPECT_FALSE(state.cancel);
}

TEST_F(StartupTest, BatchChainTakesTheLargestLoopOfADrawing) {
  StartupOutcome outcome = Run({WriteDrawing("zwei.dxf", {{0, 0, 10, 10}, {20, 0, 120, 10}}), "/I", "/NOGUI"});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_TRUE(t.ui.choiceCaptions.empty());
  EXPECT_NEAR(static_cast<double>(t.context.body.results.A), 1000.0, 1e-9);
  EXPECT_TRUE(FileExists(dir.File("zwei.txt")));
}

TEST_F(StartupTest, TemplateFileIsReadIntoAnUnnamedBody) {
  WriteRectangle("null.kal");
  StartupOutcome outcome = Run({});
  EXPECT_FALSE(outcome.endProcess);
  EXPECT_EQ(state.dataDirectory, dir.Path() + "/");
  EXPECT_EQ(t.context.body.contour.count, 4);
  EXPECT_EQ(state.currentFileName, "");
  EXPECT_FALSE(state.modified);
}

TEST_F(StartupTest, UserModeAsksForTheUsersDirectory) {
  t.context.config.userMode = true;
  t.ui.texts = {"anna"};
  EXPECT_FALSE(Run({}).endProcess);
  EXPECT_EQ(state.dataDirectory, dir.Path() + "/anna");

  StartupOutcome cancelled = Run({});
  EXPECT_TRUE(cancelled.endProcess);
  EXPECT_EQ(cancelled.exitCode, 0);

  t.ui.texts = {".."};
  StartupOutcome invalid = Run({});
  EXPECT_TRUE(invalid.endProcess);
  EXPECT_TRUE(Told(Oem("Ungültiges Passwort .. !")));
}

}  // namespace
}  // namespace kalo
