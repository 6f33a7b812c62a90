// The scratch folder of a run goes with everything in it when a signal ends the run.
#include "platform/signal_cleanup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "platform/private_folder.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

TEST(ScratchFolderOnSignals, ASignalRemovesThePrivateFolderWithItsFiles) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    testing::TempDir parent;
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      RemovePendingOnSignals();
      PrivateFolder folder;
      if (folder.CreateIn(parent.Path()) != 0) _exit(2);
      for (const char* name : {"$rahmen.dx$", "outwin.txt", "Mappe1.xlsx"}) testing::WriteBytes(folder.Path() + name, "x");
      raise(signal);
      _exit(3);  // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " " << status;
    EXPECT_TRUE(std::filesystem::is_empty(parent.Path())) << signal;
  }
}

// A folder that is gone is no longer removed on a signal: its name may be another's by then.
TEST(ScratchFolderOnSignals, ARemovedFolderIsForgotten) {
  testing::TempDir parent;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RemovePendingOnSignals();
    std::string name;
    {
      PrivateFolder folder;
      if (folder.CreateIn(parent.Path()) != 0) _exit(2);
      name = folder.Path();
    }
    std::filesystem::create_directory(name);
    testing::WriteBytes(name + "fremd", "x");
    raise(SIGTERM);
    _exit(3);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(testing::FolderEntries(parent.Path()).size(), 1u);
}

}  // namespace
}  // namespace kalo
