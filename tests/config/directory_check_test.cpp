#include "config/directory_check.h"

#include <gtest/gtest.h>

#include "config/config_fixture.h"
#include "platform/codepage.h"

namespace kalo::testing {
namespace {

class DirectoryCheck : public ::testing::Test, public ConfigFixture {
 protected:
  std::vector<std::string> Warnings() const {
    std::vector<std::string> texts;
    for (const auto& message : test.ui.messages) texts.push_back(Cp850ToUtf8(message.text));
    return texts;
  }
};

TEST_F(DirectoryCheck, EmptyDirectoriesTakeTempAndTheStartupDirectory) {
  context.config.cadDirectory = dir.Path();
  test.platform.environment["TEMP"] = dir.Path();
  CheckConfiguredDirectories(context);
  const Configuration& c = context.config;
  std::string startup = dir.Path() + "/";
  EXPECT_EQ(c.tempDirectory, dir.Path());
  EXPECT_EQ(c.dbfDirectory, startup);
  EXPECT_EQ(c.pltDirectory, startup);
  EXPECT_EQ(c.ediDirectory, startup);
  EXPECT_EQ(c.defaultDataDirectory, startup);
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(DirectoryCheck, WithoutTempTheStartupDirectoryIsTheTemporaryOne) {
  context.config.cadDirectory = dir.Path();
  CheckConfiguredDirectories(context);
  EXPECT_EQ(context.config.tempDirectory, dir.Path() + "/");
}

TEST_F(DirectoryCheck, WithoutTempTheTemporaryFolderIsTmpdirThenTheSystems) {
  context.config.cadDirectory = dir.Path();
  test.platform.systemTemporaryDirectory = dir.Path();
  test.platform.environment["TMPDIR"] = dir.File("tmpdir");
  CheckConfiguredDirectories(context);
  EXPECT_EQ(context.config.tempDirectory, dir.File("tmpdir"));
  context.config.tempDirectory.clear();
  test.platform.environment.erase("TMPDIR");
  CheckConfiguredDirectories(context);
  EXPECT_EQ(context.config.tempDirectory, dir.Path());
}

TEST_F(DirectoryCheck, InvalidDirectoriesAreWarnedAboutInOrder) {
  Configuration& c = context.config;
  std::string missing = dir.File("fehlt");
  c.cadDirectory = c.dbfDirectory = c.pltDirectory = c.tempDirectory = c.ediDirectory = missing;
  c.defaultDataDirectory = missing;
  test.ui.texts = {dir.Path()};
  CheckConfiguredDirectories(context);
  EXPECT_EQ(Warnings(), (std::vector<std::string>{
                            "ungültiger CAD Ordner konfiguriert", "ungültiger DBF Ordner konfiguriert",
                            "ungültiger PLT Ordner konfiguriert",
                            "ungültiger Ordner für temporäre Dateien konfiguriert",
                            "ungültiger EDI Ordner konfiguriert", "ungültiger Data Ordner konfiguriert"}));
  EXPECT_EQ(test.ui.prompts, (std::vector<std::string>{Oem("Ordner für temporäre Dateien")}));
  EXPECT_EQ(c.tempDirectory, dir.Path());
}

TEST_F(DirectoryCheck, CancelledPromptKeepsTheTemporaryDirectory) {
  Configuration& c = context.config;
  c.cadDirectory = dir.Path();
  c.tempDirectory = dir.File("fehlt");
  CheckConfiguredDirectories(context);
  EXPECT_EQ(c.tempDirectory, dir.File("fehlt"));
  EXPECT_EQ(Warnings().size(), 1u);
  EXPECT_FALSE(context.state.cancel) << "start-up goes on";
}

TEST_F(DirectoryCheck, ReadOnlyTablesNeedOnlyToBeSearchableAndFilesAreNotADirectory) {
  Configuration& c = context.config;
  c.cadDirectory = dir.Path();
  WriteBytes(dir.File("datei"), "x");
  c.dbfDirectory = dir.File("datei");
  c.pltDirectory = "/";
  CheckConfiguredDirectories(context);
  EXPECT_EQ(Warnings(), (std::vector<std::string>{"ungültiger DBF Ordner konfiguriert"}));
}

TEST_F(DirectoryCheck, NoWarningsOrPromptsWhileMessagesAreNotAllowed) {
  context.config.cadDirectory = context.config.tempDirectory = dir.File("fehlt");
  context.state.messagesAllowed = false;
  CheckConfiguredDirectories(context);
  EXPECT_TRUE(test.ui.messages.empty());
  EXPECT_TRUE(test.ui.prompts.empty());
}

}  // namespace
}  // namespace kalo::testing
