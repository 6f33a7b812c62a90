#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "platform/paths.h"
#include "platform/real48.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

TEST(Real48, RoundsToFortyBitsAndSaturates) {
  EXPECT_EQ(RoundToReal48(5.0L), 5.0L);
  long double tenth = RoundToReal48(0.1L);
  EXPECT_NE(tenth, 0.1L);
  EXPECT_NEAR(static_cast<double>(tenth), 0.1, 1e-12);
  EXPECT_EQ(RoundToReal48(tenth), tenth);
  EXPECT_EQ(static_cast<long double>(Real48(-1.0E32L)), RoundToReal48(-1.0E32L));
  EXPECT_EQ(RoundToReal48(1.0E-40L), 0);
  EXPECT_LT(RoundToReal48(1.0E40L), 1.8E38L);
}

TEST(TextFiles, LinesEndInCrLfAndReadBackEitherWay) {
  testing::TempDir dir;
  ASSERT_TRUE(WriteTextLines(dir.File("a.txt"), {"eins", "", "drei"}));
  EXPECT_EQ(testing::ReadBytes(dir.File("a.txt")), "eins\r\n\r\ndrei\r\n");
  testing::WriteBytes(dir.File("b.txt"), "x\ny\r\nz");
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadTextLines(dir.File("b.txt"), lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_TRUE(ReadTextLines(dir.File("missing.txt"), lines).IsFailure());
}

TEST(TextFiles, FailedWriteLeavesTheOldFileAndNoTemporary) {
  testing::TempDir dir;
  testing::WriteBytes(dir.File("old.txt"), "old");
  EXPECT_EQ(WriteTextLines(dir.File("no/such/dir.txt"), {"x"}).Message(), "Ordner nicht gefunden");
  EXPECT_TRUE(CanWriteFile(dir.File("old.txt")));
  EXPECT_EQ(testing::ReadBytes(dir.File("old.txt")), "old");
  EXPECT_FALSE(CanWriteFile(dir.File("no/such/dir.txt")));
  EXPECT_TRUE(CanCreateFileIn(dir.Path()));
  EXPECT_FALSE(CanCreateFileIn(dir.File("no")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "only old.txt";
}

}  // namespace
}  // namespace kalo
