#include "platform/paths.h"

#include <gtest/gtest.h>

namespace kalo {
namespace {

TEST(Paths, OnlyTheSlashTakesNamesApart) {
  EXPECT_EQ(FileNameOf("/home/a/welle.kal"), "welle.kal");
  EXPECT_EQ(FileNameOf("a\\b.kal"), "a\\b.kal");
  EXPECT_EQ(BaseNameOf("daten/a\\b.v2.kal"), "a\\b.v2");
  EXPECT_EQ(BaseNameOf("c:welle.kal"), "c:welle");
  EXPECT_EQ(DirectoryOf("daten/welle.kal"), "daten/");
  EXPECT_EQ(DirectoryOf("c:\\daten\\welle.kal"), "");
}

TEST(Paths, SeparatorIsAppendedUnlessTheDirectoryEndsInOne) {
  EXPECT_EQ(WithSeparator(" /tmp/daten "), "/tmp/daten/");
  EXPECT_EQ(WithSeparator("/tmp/"), "/tmp/");
  EXPECT_EQ(WithSeparator("/tmp/x:"), "/tmp/x:/");
  EXPECT_EQ(WithSeparator("/tmp/build-"), "/tmp/build-/");
  EXPECT_EQ(WithSeparator("/tmp/Ma\xe1"), "/tmp/Ma\xe1/");
  EXPECT_EQ(WithSeparator(""), "");
}

TEST(Paths, NamesFromStoredFilesTakeTheWindowsSeparator) {
  EXPECT_EQ(PathFromStoredFile("daten\\welle.kal"), "daten/welle.kal");
  EXPECT_EQ(PathFromStoredFile("c:\\vortane\\"), "c:/vortane/");
  EXPECT_EQ(FileNameOf(PathFromStoredFile("c:\\daten\\welle.kal")), "welle.kal");
  EXPECT_EQ(NativePath("a\\b.kal"), "a\\b.kal");
}

}  // namespace
}  // namespace kalo
