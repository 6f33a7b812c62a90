// Where kalo.cfg is found: the working folder, then the user's own in the XDG config
// folder, then the installation's.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/config_fixture.h"
#include "config/configuration_file.h"

namespace kalo {
namespace {

class UserConfiguration : public ::testing::Test, public testing::ConfigFixture {
 protected:
  // A kalo.cfg with the help level in the folder, made on the way.
  static void WriteConfiguration(const std::string& folder, const std::string& helpLevel) {
    std::filesystem::create_directories(folder);
    std::vector<std::string> lines = testing::InitialConfigurationLines();
    testing::SetValue(lines, "Hilfegrad", helpLevel);
    testing::WriteLines(folder + "/kalo.cfg", lines);
  }

  testing::TempDir home;
};

TEST_F(UserConfiguration, UsersOwnIsReadWhenTheWorkingFolderHasNone) {
  test.platform.environment["XDG_CONFIG_HOME"] = home.File("config");
  WriteConfiguration(home.File("config/vortane"), "2");
  ReadConfiguration(context);
  EXPECT_EQ(context.config.helpLevel, HelpLevel::Extended);
  EXPECT_EQ(context.configDirectory, home.File("config/vortane/"));

  // Without XDG_CONFIG_HOME, or with a relative one, the folder is ~/.config.
  testing::ConfigFixture other;
  other.test.platform.environment = {{"XDG_CONFIG_HOME", "relative"}, {"HOME", home.Path()}};
  WriteConfiguration(home.File(".config/vortane"), "0");
  ReadConfiguration(other.context);
  EXPECT_EQ(other.context.config.helpLevel, HelpLevel::NoInfo);
  EXPECT_EQ(other.context.configDirectory, home.File(".config/vortane/"));
}

TEST_F(UserConfiguration, WorkingFoldersOwnComesFirst) {
  test.platform.environment["HOME"] = home.Path();
  WriteConfiguration(home.File(".config/vortane"), "2");
  WriteConfiguration(dir.Path(), "0");
  ReadConfiguration(context);
  EXPECT_EQ(context.config.helpLevel, HelpLevel::NoInfo);
  EXPECT_EQ(context.configDirectory, dir.Path());
}

}  // namespace
}  // namespace kalo
