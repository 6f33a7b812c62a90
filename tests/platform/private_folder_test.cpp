// The folder a run keeps to itself.
#include "platform/private_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace kalo {
namespace {

namespace fs = std::filesystem;

TEST(PrivateFolder, IsFreshClosedToOthersAndGoesWithEverythingInIt) {
  testing::TempDir dir;
  std::string first, second;
  {
    PrivateFolder one, two;
    EXPECT_FALSE(one.Exists());
    ASSERT_EQ(one.CreateIn(dir.Path()), 0);
    ASSERT_EQ(two.CreateIn(dir.Path() + "/"), 0);
    first = one.Path();
    second = two.Path();
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind(dir.File("kalo-"), 0), 0u) << first;
    EXPECT_EQ(first.back(), '/');
    EXPECT_TRUE(fs::is_empty(first)) << "the room test leaves nothing";
    struct stat info {};
    stat(first.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    fs::create_directories(first + "tief/er");
    testing::WriteBytes(first + "tief/er/datei", "x");
  }
  EXPECT_FALSE(fs::exists(first));
  EXPECT_FALSE(fs::exists(second));
  EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST(PrivateFolder, UnusableParentsGiveTheirErrorAndLeaveNothing) {
  testing::TempDir dir;
  PrivateFolder folder;
  EXPECT_EQ(folder.CreateIn(dir.File("fehlt")), ENOENT);
  testing::WriteBytes(dir.File("datei"), "x");
  EXPECT_EQ(folder.CreateIn(dir.File("datei")), ENOTDIR);
  EXPECT_FALSE(folder.Exists());
  fs::create_directory(dir.File("nur-lesen"));
  chmod(dir.File("nur-lesen").c_str(), 0555);
  testing::OpenToEveryone(dir.Path());
  std::string readOnly = dir.File("nur-lesen");
  EXPECT_EQ(testing::RunUnprivileged([&] { return PrivateFolder().CreateIn(readOnly); }), EACCES);
  EXPECT_TRUE(fs::is_empty(readOnly));

  // Made again elsewhere, the first folder goes.
  ASSERT_EQ(folder.CreateIn(dir.Path()), 0);
  std::string first = folder.Path();
  ASSERT_EQ(folder.CreateIn(dir.Path()), 0);
  EXPECT_FALSE(fs::exists(first));
}

}  // namespace
}  // namespace kalo
