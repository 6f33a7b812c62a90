#include "dialogs/io_reporters.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

#include "platform/console_ui.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

TEST(IoReporters, WarningsNameTheCause) {
  EXPECT_EQ(CreationWarning(EROFS), "Schreibschutz entfernen !");
  EXPECT_EQ(CreationWarning(EACCES), "Schreibschutz entfernen !");
  EXPECT_EQ(CreationWarning(ENOMEDIUM), "Programmdiskette einlegen !");
  EXPECT_EQ(CreationWarning(ENOENT), "I/O-Error " + std::to_string(ENOENT));
}

TEST(IoReporters, RetriesWhileTheUserAnswersYes) {
  TempDir dir;
  TestContext test;
  test.ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
  EXPECT_FALSE(RewriteWithRetry(test.context, dir.File("fehlt/kalo.cfg"), {"x"}));
  ASSERT_EQ(test.ui.questions.size(), 3u);
  EXPECT_EQ(test.ui.questions[0].rfind("I/O-Error " + std::to_string(ENOENT), 0), 0u);
  EXPECT_TRUE(test.context.state.cancel);
}

TEST(IoReporters, SucceedsOnceTheFolderExists) {
  TempDir dir;
  TestContext test;
  EXPECT_TRUE(RewriteWithRetry(test.context, dir.File("kalo.cfg"), {"a", "b"}));
  EXPECT_EQ(ReadBytes(dir.File("kalo.cfg")), "a\r\nb\r\n");
  EXPECT_TRUE(test.ui.questions.empty());
  EXPECT_FALSE(test.context.state.cancel);
}

TEST(IoReporters, ConsoleEndsAfterOneAttemptAndSilentRunsDoNotAsk) {
  TempDir dir;
  std::ostringstream out, err;
  ConsoleUi console(out, err);
  TestPlatform platform;
  FixedClock clock{DateTime{}};
  Context context(console, platform, clock);
  EXPECT_FALSE(RewriteWithRetry(context, dir.File("fehlt/kalo.cff"), {"x"}));
  EXPECT_NE(err.str().find("I/O-Error"), std::string::npos);

  TestContext silent;
  silent.context.state.messagesAllowed = false;
  silent.ui.answers = {Answer::Yes};
  EXPECT_FALSE(RewriteWithRetry(silent.context, dir.File("fehlt/kalo.cff"), {"x"}));
  EXPECT_TRUE(silent.ui.questions.empty());
  EXPECT_TRUE(silent.context.state.cancel);
}

TEST(IoReporters, RetriesAreBounded) {
  TempDir dir;
  TestContext test;
  test.ui.answers.assign(100, Answer::Yes);
  EXPECT_FALSE(RewriteWithRetry(test.context, dir.File("fehlt/kalo.cfg"), {"x"}));
  EXPECT_LT(test.ui.questions.size(), 100u);
  EXPECT_EQ(test.ui.messages.size(), 1u);
}

}  // namespace
}  // namespace kalo::testing
