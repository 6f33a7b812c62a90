// The File menu on a scripted user: save query, open, save, recent entries and closing.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include "app/main_menu_state.h"
#include "datafile/data_file_reader.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class FileCommands : public ::testing::Test {
 protected:
  FileCommands() {
    t.platform.currentDirectory = dir.Path();
    t.context.config.tempDirectory = dir.Path();
    t.context.config.helpLevel = HelpLevel::NoInfo;  // no view after a command
    state.dataDirectory = dir.Path() + "/";
  }

  // A copy of a shipped example in the test directory.
  std::string Example(const std::string& name, const std::string& as) {
    std::string bytes = testing::ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal");
    testing::WriteBytes(dir.File(as), bytes);
    return dir.File(as);
  }

  bool Told(const std::string& text) const {
    for (const auto& message : t.ui.messages)
      if (message.text == text) return true;
    return false;
  }

  testing::TempDir dir;
  testing::TestContext t;
  ProgramState& state = t.context.state;
  Body& body = t.context.body;
};

TEST_F(FileCommands, SaveQueryWritesDiscardsOrStops) {
  std::string path = Example("shaft", "welle.kal");
  ASSERT_TRUE(ReadDataFile(t.context, path));
  state.dataDirectory = dir.Path() + "/";
  state.currentFileName = "welle";
  body.rho = 2.7L;
  state.modified = true;

  t.ui.answers = {Answer::Cancel};
  FileNew(t.context);
  EXPECT_EQ(state.currentFileName, "welle");
  EXPECT_TRUE(state.modified);
  EXPECT_EQ(t.ui.questions.back(), "Datei speichern (" + path + ") ?");

  t.ui.answers = {Answer::Yes};  // saved without an overwrite question
  FileNew(t.context);
  EXPECT_EQ(t.ui.questions.size(), 2u);
  EXPECT_NE(testing::ReadBytes(path).find("2.7000000"), std::string::npos);
  EXPECT_EQ(state.currentFileName, "");
  EXPECT_EQ(body.contour.count, 0);
  EXPECT_EQ(body.mass, 0);  // nothing of the previous body stays on show
  EXPECT_TRUE(state.modified);

  t.ui.answers = {Answer::No};  // an unnamed body: "no" keeps it
  body.texts.name = "Entwurf";
  FileNew(t.context);
  EXPECT_EQ(t.ui.questions.back(), "Bisherige Eingaben verwerfen ?");
  EXPECT_EQ(body.texts.name, "Entwurf");

  state.commandLineFile = true;  // archive mode never asks
  t.context.config.archiveMode = true;
  FileNew(t.context);
  EXPECT_EQ(t.ui.questions.size(), 3u);
  EXPECT_FALSE(state.cancel);
}

TEST_F(FileCommands, NewReadsTheTemplateAsAnUnnamedBody) {
  Example("flange", "null.kal");
  FileNew(t.context);
  EXPECT_EQ(state.currentFileName, "");
  EXPECT_GT(body.contour.count, 0);
  EXPECT_GT(body.mass, 0);
  EXPECT_TRUE(state.modified);
}

TEST_F(FileCommands, FailedOpenLeavesBodyNameAndModifiedFlag) {
  Example("sphere", "kugel.kal");
  state.currentFileName = "kugel";
  FileOpenRecent(t.context, 1);  // empty entry: nothing happens
  testing::WriteBytes(dir.File("kaputt.kal"), "kein Datenfile\r\n");
  body.rho = 1.5L;
  state.modified = true;
  t.ui.answers = {Answer::No};
  t.ui.texts = {dir.File("kaputt.kal")};
  FileOpen(t.context);
  EXPECT_TRUE(state.cancel);
  EXPECT_EQ(state.currentFileName, "kugel");
  EXPECT_EQ(body.rho, 1.5L);
  EXPECT_FALSE(state.modified);  // the save query's "no" cleared it, the failed read did not change it
  EXPECT_EQ(state.recentFiles[0], "");

  t.ui.texts = {dir.File("kugel.kal")};
  state.StartCommand();
  FileOpen(t.context);
  EXPECT_FALSE(state.cancel);
  EXPECT_NEAR(static_cast<double>(body.volume), 4.0 / 3.0 * 3.14159265358979 * 125000, 2000);
  EXPECT_EQ(state.recentFiles[0], dir.File("kugel.kal"));
  EXPECT_EQ(MainWindowCaption(t.context), ProgramTitleLine() + "  -  kugel.kal");
}

TEST_F(FileCommands, SaveWithoutNameAsksLikeSaveAsAndListsTheFileAmongTheRecentFiles) {
  state.modified = true;
  t.ui.texts = {dir.File("neu.kal")};
  FileSave(t.context);
  EXPECT_TRUE(FileExists(dir.File("neu.kal")));
  EXPECT_EQ(state.currentFileName, "neu");
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(state.recentFiles[0], dir.File("neu.kal"));
  state.recentFiles[0].clear();

  state.modified = true;
  FileSave(t.context);  // named now: written again without a question
  EXPECT_TRUE(t.ui.questions.empty());
  EXPECT_FALSE(state.modified);

  t.ui.texts = {dir.File("neu.kal")};
  t.ui.answers = {Answer::Yes};
  FileSaveAs(t.context);  // the chosen name exists: asked before overwriting
  EXPECT_EQ(t.ui.questions.size(), 1u);
  EXPECT_EQ(state.recentFiles[0], dir.File("neu.kal"));
}

TEST_F(FileCommands, RecentEntryOfADeletedFileIsRemovedAndReported) {
  std::string kept = Example("torus", "torus.kal");
  state.recentFiles = {dir.File("weg.kal"), kept, "", ""};
  FileOpenRecent(t.context, 1);
  EXPECT_TRUE(Told("File " + dir.File("weg.kal") + " not found !"));
  EXPECT_EQ(state.recentFiles, (std::array<std::string, 4>{kept, "", "", ""}));

  state.dataDirectory = "/anderswo/";
  FileOpenRecent(t.context, 1);
  EXPECT_EQ(state.currentFileName, "torus");
  EXPECT_EQ(state.dataDirectory, dir.Path() + "/");
  EXPECT_GT(body.contour.count, 0);
}

TEST_F(FileCommands, ClosingWithUnsavedChangesAlwaysAsksAndCleansTheTemporaryFolder) {
  state.modified = true;
  t.ui.answers = {Answer::Cancel};
  EXPECT_FALSE(CloseQuery(t.context));
  t.ui.answers = {Answer::Yes};
  EXPECT_TRUE(CloseQuery(t.context));
  EXPECT_EQ(t.ui.questions.size(), 2u);

  // Block files live in the run's own folder; the logo blocks come from the temporary folder.
  std::string scratch = ScratchDirectory(t.context);
  for (const char* name : {"$RAHMEN.dx$", "$$1.txt", "rahmen.dx$"}) testing::WriteBytes(scratch + name, "0\r\nEOF\r\n");
  testing::WriteBytes(dir.File("$LOGO_2.dx$"), "0\r\nEOF\r\n");
  DeleteTemporaryFiles(t.context);
  EXPECT_FALSE(FileExists(scratch + "$RAHMEN.dx$"));
  EXPECT_TRUE(FileExists(dir.File("$LOGO_2.dx$")));
  EXPECT_TRUE(FileExists(scratch + "$$1.txt"));
  EXPECT_TRUE(FileExists(scratch + "rahmen.dx$"));
  EXPECT_EQ(t.ui.notices, (std::vector<std::string>{Oem("Lösche temporäre Dateien ..."), ""}));
}

}  // namespace
}  // namespace kalo
