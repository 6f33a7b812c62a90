// A signal that ends the window program reaches it through its event loop: the modified body
// is kept for recovery, the scratch folder is removed, and the run ends by the signal.
#include "qt/signal_watch.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <QCoreApplication>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>

#include "app/recovery.h"
#include "datafile/data_file_reader.h"
#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

TEST(SignalWatch, ATermSignalKeepsTheModifiedBodyRemovesTheScratchFolderAndEndsTheRun) {
  testing::TempDir home, temp;
  testing::TestContext parent;
  parent.platform.environment["HOME"] = home.Path();
  std::string recovered = RecoveryFilePath(parent.platform);
  auto child = [&] {
    testing::TestContext t;
    t.platform.environment["HOME"] = home.Path();
    Contour& contour = t.context.body.contour;
    contour[1] = {0, 0, 0};
    contour[2] = {40, 0, 0};
    contour[3] = {40, 5, 0};
    contour.count = 3;
    t.context.state.modified = true;
    if (t.context.scratchFolder.CreateIn(temp.Path()) != 0) std::exit(2);
    SignalWatch watch(t.context);
    std::raise(SIGTERM);  // only noted by the handler; the work is done in the event loop
    for (;;) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  };
  EXPECT_EXIT(child(), ::testing::KilledBySignal(SIGTERM), "");
  EXPECT_TRUE(FileExists(recovered));
  EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

// Waits until the condition holds, at most a generous time; whether it came true.
bool Eventually(const std::function<bool()>& condition) {
  for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60); std::chrono::steady_clock::now() < end;) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

// From outside, as a logout or a shutdown does it: kill() on a running program whose body
// is modified. The body is in the recovery file under its file's name, the scratch folder
// is gone, and the run ended by the signal.
TEST(SignalWatch, ATermSignalFromOutsideKeepsTheBodyUnderItsNameAndRemovesTheScratchFolder) {
  testing::TempDir state, temp;
  std::string shaft = std::string(KALO_SOURCE_DIR) + "/data/examples/shaft.kal";
  pid_t child = testing::StartProcess(
      {temp.Path(), {KALO_SIGNAL_WATCHED_BODY, shaft, temp.Path()},
       {"XDG_STATE_HOME=" + state.Path(), "HOME=" + state.Path(), "QT_QPA_PLATFORM=offscreen", "PATH=/usr/bin:/bin"}});
  ASSERT_GT(child, 0);
  int status = 0;
  bool ended = false;
  auto hasEnded = [&] { return ended || (ended = waitpid(child, &status, WNOHANG) == child); };
  ASSERT_TRUE(Eventually([&] { return FileExists(temp.File("ready")) || hasEnded(); }));
  ASSERT_FALSE(ended) << "ended before the signal with status " << status;
  EXPECT_EQ(testing::FolderEntries(temp.Path()).size(), 2u);  // "ready" and the scratch folder

  ASSERT_EQ(kill(child, SIGTERM), 0);
  ASSERT_TRUE(Eventually(hasEnded));
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(testing::FolderEntries(temp.Path()), std::set<std::string>{"ready"});

  testing::TestContext next;
  next.platform.environment["XDG_STATE_HOME"] = state.Path();
  testing::TestContext original;
  ASSERT_TRUE(ReadDataFile(original.context, shaft));
  next.ui.answers = {Answer::Yes};
  OfferRecoveredBody(next.context);
  ASSERT_EQ(next.ui.questions.size(), 1u);
  EXPECT_EQ(next.context.state.currentFileName, "shaft");
  EXPECT_EQ(next.context.body.contour.count, original.context.body.contour.count);
  double mass = static_cast<double>(original.context.body.mass);
  EXPECT_GT(mass, 0);
  EXPECT_NEAR(static_cast<double>(next.context.body.mass), mass, mass * 1e-9);
}

}  // namespace
}  // namespace kalo
