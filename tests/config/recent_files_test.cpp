#include "config/recent_files.h"

#include <gtest/gtest.h>

#include "config/config_fixture.h"

namespace kalo::testing {
namespace {

class RecentFiles : public ::testing::Test, public ConfigFixture {};

TEST_F(RecentFiles, WrittenWithASessionLineAndReadBack) {
  context.state.dataDirectory = "/daten/";
  context.state.recentFiles = {"/daten/welle.kal", "", "/daten/flansch.kal", ""};
  WriteRecentFiles(context);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(ReadBytes(dir.File("kalo.cff")),
            "kalo Session /daten/\r\n/daten/welle.kal\r\n\r\n/daten/flansch.kal\r\n\r\n");
  TestContext restart;
  restart.context.configDirectory = dir.Path();
  restart.context.state.recentFiles[1] = "alt";
  ReadRecentFiles(restart.context);
  EXPECT_EQ(restart.context.state.recentFiles, context.state.recentFiles);
}

TEST_F(RecentFiles, MissingOrShortFileGivesEmptyEntries) {
  context.state.recentFiles = {"a", "b", "c", "d"};
  ReadRecentFiles(context);
  EXPECT_EQ(context.state.recentFiles, (std::array<std::string, 4>{}));
  WriteBytes(dir.File("kalo.cff"), "kalo Session x\r\n/eins.kal\r\n");
  context.state.recentFiles = {"a", "b", "c", "d"};
  ReadRecentFiles(context);
  EXPECT_EQ(context.state.recentFiles, (std::array<std::string, 4>{"/eins.kal", "", "", ""}));
}

TEST_F(RecentFiles, UnwritableFolderLeavesNothingAndSetsCancel) {
  context.configDirectory = dir.File("fehlt");
  WriteRecentFiles(context);
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(test.ui.questions.size(), 1u);
}

}  // namespace
}  // namespace kalo::testing
