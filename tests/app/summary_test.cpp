// The summary table: the same rows in the same order whatever the number of threads.
#include "app/summary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/codepage.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"
#include "support/unprivileged.h"

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
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_TRUE(Cp850ToUtf8(single[i]).starts_with(files[i] + ",")) << single[i];
  EXPECT_NE(single[17].find("kaputt.kal"), std::string::npos);
  EXPECT_NE(single.back().find("nicht gefunden"), std::string::npos) << single.back();
}

TEST_F(SummaryTest, FolderGivesItsDataFilesInNameOrder) {
  ASSERT_EQ(mkdir(dir.File("b").c_str(), 0755), 0);
  for (std::string name : {"b/zwei.kal", "b/eins.kal", "b/liesmich.txt"}) testing::WriteBytes(dir.File(name), "");
  std::vector<std::string> problems;
  EXPECT_EQ(SummaryFiles({dir.File("b"), "x.kal"}, problems),
            (std::vector<std::string>{dir.File("b/eins.kal"), dir.File("b/zwei.kal"), "x.kal"}));
  EXPECT_TRUE(problems.empty());
}

// A folder that cannot be listed or does not exist is named and fails the run; the other
// inputs still give their rows.
TEST_F(SummaryTest, AFolderThatCannotBeListedOrIsMissingIsNamed) {
  testing::OpenToEveryone(dir.Path());
  ASSERT_EQ(mkdir(dir.File("zu").c_str(), 0000), 0);
  testing::WriteBytes(dir.File("welle.kal"), testing::ReadBytes(Example("shaft")));
  std::string script = "cd " + dir.Path() + " && exec " + std::string(KALO_EXECUTABLE) +
                       " --summary zu fehlt/ welle.kal";
  testing::ProcessResult run =
      testing::RunProcess(dir.Path(), testing::Unprivileged({"/bin/sh", "-c", script}), {"PATH=/usr/bin:/bin"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errorOutput.find("Ordner zu kann nicht gelesen werden: keine Leseberechtigung"), std::string::npos)
      << run.errorOutput;
  EXPECT_NE(run.errorOutput.find("Ordner fehlt/ nicht gefunden"), std::string::npos) << run.errorOutput;
}

// Out of file descriptors, a folder cannot be opened: it is named, not passed over.
TEST_F(SummaryTest, AFolderListedWithoutFreeDescriptorsIsNamed) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer needs a free descriptor of its own to start";
#endif
  ASSERT_EQ(mkdir(dir.File("b").c_str(), 0755), 0);
  testing::WriteBytes(dir.File("b/welle.kal"), testing::ReadBytes(Example("shaft")));
  testing::ProcessResult run = testing::RunProcess(
      dir.Path(), testing::WithDescriptorLimit(3, {KALO_EXECUTABLE, "--summary", "b"}), {"PATH=/usr/bin:/bin"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errorOutput.find("Ordner b kann nicht gelesen werden: zu viele offene Dateien"), std::string::npos)
      << run.errorOutput;
}

}  // namespace
}  // namespace kalo
