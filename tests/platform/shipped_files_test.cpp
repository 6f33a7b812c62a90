// Finding the files shipped with the program from any working directory.
#include "platform/shipped_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

TEST(ShippedFilesTest, TheConfiguredFolderFirstThenTheProgramsDataFolders) {
  TempDir configured;
  TempDir data;
  TempDir installed;
  WriteBytes(data.File("kalo.err"), "x");
  WriteBytes(installed.File("kalo.err"), "x");
  WriteBytes(installed.File("kalo.hlp"), "x");
  std::vector<std::string> folders = {data.Path(), installed.Path()};

  EXPECT_EQ(ShippedFilePath(configured.Path(), "kalo.err", folders), data.File("kalo.err"));
  EXPECT_EQ(ShippedFilePath(configured.Path(), "kalo.hlp", folders), installed.File("kalo.hlp"));
  WriteBytes(configured.File("kalo.err"), "x");
  EXPECT_EQ(ShippedFilePath(configured.Path(), "kalo.err", folders), configured.File("kalo.err"));
  // Found nowhere: the configured name, for the message that names it.
  EXPECT_EQ(ShippedFilePath(configured.Path(), "vortane.hlp", folders), configured.File("vortane.hlp"));
}

TEST(ShippedFilesTest, TheDataFoldersBelongToTheProgramFile) {
  std::vector<std::string> folders = ProgramDataFolders("/opt/kalo/bin/kalo");
  ASSERT_GE(folders.size(), 2u);
  EXPECT_EQ(folders[0], "/opt/kalo/bin/data");
  EXPECT_EQ(folders[1], "/opt/kalo/share/kalo");
  EXPECT_TRUE(ProgramDataFolders("").empty());

  // The programs of the build tree read the source tree's data folder; the test program
  // beside them does not, so that tests see only the files they make.
  std::filesystem::path build = std::filesystem::path(KALO_EXECUTABLE).parent_path();
  EXPECT_EQ(ProgramDataFolders((build / "kalo").string()).back(), std::string(KALO_SOURCE_DIR) + "/data");
  EXPECT_EQ(ProgramDataFolders(ExecutablePath()).size(), 2u);
}

}  // namespace
}  // namespace kalo::testing
