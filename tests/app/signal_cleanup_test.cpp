// A command line run ended by a signal leaves neither the temporary file of its output nor
// its scratch folder, and a later run clears what an older run of the same user left.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace kalo {
namespace {

namespace fs = std::filesystem;

bool HasEntryStartingWith(const std::string& folder, const std::string& prefix) {
  for (const std::string& name : testing::FolderEntries(folder))
    if (name.starts_with(prefix)) return true;
  return false;
}

class BatchRunOnSignals : public ::testing::Test {
 protected:
  BatchRunOnSignals() {
    fs::copy_file(std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal", work.File("shaft.kal"));
  }

  // The drawing chain, stopped by the program itself just before its output replaces the
  // target (the seam KALO_STOP_BEFORE_RENAME); the process id.
  pid_t StartStoppedBeforeRename() {
    return testing::StartProcess({work.Path(),
                                  {KALO_EXECUTABLE, "shaft.kal", "/CAD1:5"},
                                  {"KALO_STOP_BEFORE_RENAME=1", "TEMP=" + temp.Path(), "PATH=/usr/bin:/bin"}});
  }

  testing::TempDir work, temp;
};

TEST_F(BatchRunOnSignals, TermIntAndHupRemoveThePendingOutput) {
  testing::WriteBytes(work.File("shaft.dxf"), "alt");
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    pid_t child = StartStoppedBeforeRename();
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
    ASSERT_TRUE(WIFSTOPPED(status)) << signal;
    // The complete drawing waits beside its target.
    EXPECT_TRUE(HasEntryStartingWith(work.Path(), ".kalo-")) << signal;

    kill(child, signal);
    kill(child, SIGCONT);
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_EQ(testing::FolderEntries(work.Path()), (std::set<std::string>{"shaft.kal", "shaft.dxf"})) << signal;
    EXPECT_EQ(testing::ReadBytes(work.File("shaft.dxf")), "alt");
    EXPECT_TRUE(fs::is_empty(temp.Path())) << signal;
  }
}

// What a run killed without a chance to clean up (SIGKILL) left: the next run beside it
// removes the same user's files older than a day and leaves younger ones and other users'.
TEST_F(BatchRunOnSignals, TheNextRunRemovesOnlyTheSameUsersStaleTemporaryFiles) {
  pid_t child = StartStoppedBeforeRename();
  ASSERT_GT(child, 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
  kill(child, SIGKILL);
  ASSERT_EQ(waitpid(child, &status, 0), child);
  std::string left;
  for (const std::string& name : testing::FolderEntries(work.Path()))
    if (name.starts_with(".kalo-")) left = name;
  ASSERT_FALSE(left.empty());
  // Two days old; beside it a fresh one, and one of another user as old.
  timespec twoDaysAgo[2] = {{time(nullptr) - 2 * 86400, 0}, {time(nullptr) - 2 * 86400, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, work.File(left).c_str(), twoDaysAgo, 0), 0);
  testing::WriteBytes(work.File(".kalo-frisch"), "frisch");
  testing::WriteBytes(work.File(".kalo-fremd1"), "fremd");
  ASSERT_EQ(utimensat(AT_FDCWD, work.File(".kalo-fremd1").c_str(), twoDaysAgo, 0), 0);
  if (testing::RunningAsRoot()) {
    ASSERT_EQ(chown(work.File(".kalo-fremd1").c_str(), 65534, 65534), 0);
  }

  testing::ProcessResult next = testing::RunProcess(work.Path(), {KALO_EXECUTABLE, "shaft.kal", "/CAD1:5"},
                                                    {"TEMP=" + temp.Path(), "PATH=/usr/bin:/bin"});
  EXPECT_EQ(next.exitCode, 0) << next.errorOutput;
  std::set<std::string> expected = {"shaft.kal", "shaft.dxf", ".kalo-frisch", "stderr.log"};
  if (testing::RunningAsRoot()) expected.insert(".kalo-fremd1");
  EXPECT_EQ(testing::FolderEntries(work.Path()), expected);
}

}  // namespace
}  // namespace kalo
