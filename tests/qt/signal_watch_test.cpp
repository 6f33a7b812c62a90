// A signal that ends the window program reaches it through its event loop: the modified body
// is kept for recovery, the scratch folder is removed, and the run ends by the signal.
#include "qt/signal_watch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>
#include <filesystem>

#include "app/recovery.h"
#include "platform/text_file.h"
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

}  // namespace
}  // namespace kalo
