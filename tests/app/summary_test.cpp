// The summary table: the same rows in the same order whatever the number of threads.
#include "app/summary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class SummaryTest : public ::testing::Test, public testing::TestContext {
 protected:
  std::vector<std::string> Rows(const std::vector<std::string>& files, unsigned workers, size_t& failures) {
    return SummaryRows(context, files, workers, [](size_t, size_t) {}, failures);
  }
  static std::string Example(const std::string& name) {
    return std::string(KALO_SOURCE_DIR) + "/data/examples/" + name + ".kal";
  }
  testing::TempDir dir;
};

TEST_F(SummaryTest, RowsAreTheSameWithOneThreadAndWithMany) {
  testing::WriteBytes(dir.File("kaputt.kal"), "-----\r\nnur Unsinn\r\n");
  std::vector<std::string> files;
  for (int round = 0; round < 40; ++round)
    for (std::string name : {"shaft", "flange", "pulley", "sphere", "torus"}) files.push_back(Example(name));
  files.insert(files.begin() + 17, dir.File("kaputt.kal"));
  files.push_back(dir.File("fehlt.kal"));

  size_t singleFailures = 0, manyFailures = 0;
  std::vector<std::string> single = Rows(files, 1, singleFailures);
  std::vector<std::string> many = Rows(files, 4, manyFailures);
  EXPECT_EQ(single, many);
  EXPECT_EQ(singleFailures, 2u);
  EXPECT_EQ(manyFailures, 2u);
  ASSERT_EQ(single.size(), files.size());
  for (size_t i = 0; i < files.size(); ++i) EXPECT_TRUE(single[i].starts_with(files[i] + ",")) << single[i];
  EXPECT_NE(single[17].find("kaputt.kal"), std::string::npos);
  EXPECT_NE(single.back().find("nicht gefunden"), std::string::npos) << single.back();
}

TEST_F(SummaryTest, FolderGivesItsDataFilesInNameOrder) {
  ASSERT_EQ(mkdir(dir.File("b").c_str(), 0755), 0);
  for (std::string name : {"b/zwei.kal", "b/eins.kal", "b/liesmich.txt"}) testing::WriteBytes(dir.File(name), "");
  EXPECT_EQ(SummaryFiles({dir.File("b"), "x.kal"}),
            (std::vector<std::string>{dir.File("b/eins.kal"), dir.File("b/zwei.kal"), "x.kal"}));
}

}  // namespace
}  // namespace kalo
