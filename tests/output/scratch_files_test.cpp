// The run's private folder: made on first use, where the temporary folder cannot take it
// in the next place that can, each context its own, gone with the context.
#include "output/scratch_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/codepage.h"
#include "report/report_fixture.h"

namespace kalo::testing {
namespace {

namespace fs = std::filesystem;

class ScratchFiles : public ReportTest {
 protected:
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& message : test.ui.messages) texts.push_back(Cp850ToUtf8(message.text));
    return texts;
  }
  // Opens the screen target, writes the line and closes: the report shown in the text window.
  static std::string ShownReport(TestContext& window, const std::string& line) {
    TextOutput output(window.context);
    EXPECT_TRUE(output.Open(kTargetScreen));
    output.Line(line);
    EXPECT_TRUE(output.Close());
    return window.ui.shownTextFiles.back().path;
  }
};

TEST_F(ScratchFiles, MadeOnFirstUseInTheTemporaryFolderAndGoneWithTheContext) {
  std::string folder;
  {
    TestContext window;
    window.context.config.tempDirectory = dir.Path();
    EXPECT_FALSE(window.context.scratchFolder.Exists());
    EXPECT_TRUE(fs::is_empty(dir.Path()));
    folder = ScratchDirectory(window.context);
    EXPECT_EQ(folder.rfind(dir.Path() + "/kalo-", 0), 0u) << folder;
    EXPECT_EQ(ScratchFile(window.context, "a.txt"), folder + "a.txt");
    EXPECT_TRUE(window.ui.messages.empty());
    // A folder that a cleaner took away is made anew.
    fs::remove_all(folder);
    std::string again = ScratchDirectory(window.context);
    EXPECT_TRUE(fs::is_directory(again));
    folder = again;
  }
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST_F(ScratchFiles, TwoWindowsShowTheirOwnReports) {
  TestContext other;
  other.context.config.tempDirectory = dir.Path();
  std::string mine = ShownReport(test, "erster Bericht"), theirs = ShownReport(other, "zweiter Bericht");
  EXPECT_NE(mine, theirs);
  EXPECT_EQ(ReadBytes(mine), "       erster Bericht\r\n");
  EXPECT_EQ(ReadBytes(theirs), "       zweiter Bericht\r\n");
}

TEST_F(ScratchFiles, AnUnusableTemporaryFolderFallsBackAndSaysWhereFrom) {
  fs::create_directory(dir.File("tmpdir"));
  context.config.tempDirectory = dir.File("fehlt");
  test.platform.environment["TEMP"] = dir.File("auch-fehlt");
  test.platform.environment["TMPDIR"] = dir.File("tmpdir");
  std::string folder = ScratchDirectory(context);
  EXPECT_EQ(folder.rfind(dir.File("tmpdir/kalo-"), 0), 0u) << folder;
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Ordner für temporäre Dateien " + dir.File("fehlt/") +
                                " (Einstellung \"Ordner für temporäre Dateien\")"
                                " nicht benutzbar: Ordner nicht gefunden",
                            "Ordner für temporäre Dateien " + dir.File("auch-fehlt/") +
                                " (TEMP) nicht benutzbar: Ordner nicht gefunden",
                            "Temporäre Dateien stattdessen in " + dir.File("tmpdir/") + " (TMPDIR)"}));
  EXPECT_FALSE(context.state.cancel);
}

TEST_F(ScratchFiles, ATemporaryFolderTakenFromTheEnvironmentIsNamedAfterItsVariable) {
  WriteBytes(dir.File("datei"), "x");
  test.platform.environment["TMPDIR"] = dir.File("datei");
  test.platform.systemTemporaryDirectory = dir.File("fehlt");
  context.config.tempDirectory = dir.File("datei");
  test.platform.currentDirectory = dir.File("auch-fehlt");
  EXPECT_EQ(ScratchDirectory(context), "");
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Ordner für temporäre Dateien " + dir.File("datei/") +
                                " (TMPDIR) nicht benutzbar: ein Teil des Pfades ist kein Ordner",
                            "Ordner für temporäre Dateien " + dir.File("fehlt/") +
                                " (Systemordner) nicht benutzbar: Ordner nicht gefunden",
                            "Ordner für temporäre Dateien " + dir.File("auch-fehlt/") +
                                " (Arbeitsordner) nicht benutzbar: Ordner nicht gefunden",
                            "Kein Ordner für temporäre Dateien benutzbar"}));
  EXPECT_EQ(ScratchFile(context, "a.txt"), "");

  // Without a private folder no report that needs a scratch file is written anywhere.
  test.ui.messages.clear();
  context.state.cancel = false;
  EXPECT_FALSE(TextOutput(context).Open(kTargetWindowsPrinter));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(Messages().back(), "Kein Ordner für temporäre Dateien benutzbar");
}

TEST_F(ScratchFiles, TheWorkingFolderIsTheLastPlace) {
  context.config.tempDirectory = dir.File("fehlt");
  std::string folder = ScratchDirectory(context);
  EXPECT_EQ(folder.rfind(dir.Path() + "/kalo-", 0), 0u) << folder;
  EXPECT_EQ(Messages().back(), "Temporäre Dateien stattdessen in " + dir.Path() + "/ (Arbeitsordner)");
}

}  // namespace
}  // namespace kalo::testing
