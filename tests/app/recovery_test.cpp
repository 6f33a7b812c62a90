// A modified body kept when a signal ends the window program, and offered at the next start.
#include "app/recovery.h"

#include <gtest/gtest.h>

#include "app/file_commands.h"
#include "calc/calculation.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class Recovery : public ::testing::Test {
 protected:
  Recovery() {
    t.platform.environment["HOME"] = home.Path();
    t.context.config.tempDirectory = home.Path();
    Contour& contour = t.context.body.contour;
    contour[1] = {0, 0, 0};
    contour[2] = {50, 0, 0};
    contour[3] = {0, 10, 0};  // a cone
    contour.count = 3;
    t.context.body.rho = 2.7L;
    Calculate(t.context.body, t.context.config, t.context.messages);
  }

  testing::TempDir home;
  testing::TestContext t;
};

TEST_F(Recovery, TheStateFolderFollowsXdgStateHomeElseTheHome) {
  EXPECT_EQ(RecoveryFilePath(t.platform), home.Path() + "/.local/state/kalo/recovered.kal");
  t.platform.environment["XDG_STATE_HOME"] = "/var/zustand";
  EXPECT_EQ(RecoveryFilePath(t.platform), "/var/zustand/kalo/recovered.kal");
  t.platform.environment["XDG_STATE_HOME"] = "relativ";  // not absolute: ignored
  EXPECT_EQ(RecoveryFilePath(t.platform), home.Path() + "/.local/state/kalo/recovered.kal");
  t.platform.environment.erase("HOME");
  t.platform.environment.erase("XDG_STATE_HOME");
  EXPECT_EQ(RecoveryFilePath(t.platform), "");
}

TEST_F(Recovery, AModifiedBodyIsKeptAndTakenUpAgainAsAnUnnamedModifiedBody) {
  std::string path = RecoveryFilePath(t.platform);
  EXPECT_FALSE(KeepBodyForRecovery(t.context));  // unmodified: nothing to keep
  EXPECT_FALSE(FileExists(path));
  t.context.state.modified = true;
  ASSERT_TRUE(KeepBodyForRecovery(t.context));
  long double mass = t.context.body.mass;

  // The next start: Abbrechen keeps it for later, Ja takes it up and removes it.
  testing::TestContext next;
  next.platform.environment["HOME"] = home.Path();
  next.context.config.tempDirectory = home.Path();
  next.context.state.currentFileName = "welle";
  next.ui.answers = {Answer::Cancel};
  OfferRecoveredBody(next.context);
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(next.context.state.cancel);
  ASSERT_EQ(next.ui.questions.size(), 1u);
  EXPECT_NE(next.ui.questions[0].find(path), std::string::npos);

  next.ui.answers = {Answer::Yes};
  OfferRecoveredBody(next.context);
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(next.context.body.contour.count, 3);
  EXPECT_EQ(next.context.body.rho, 2.7L);
  EXPECT_NEAR(static_cast<double>(next.context.body.mass), static_cast<double>(mass), 1e-12);
  EXPECT_TRUE(next.context.state.modified);  // not saved anywhere yet
  EXPECT_EQ(next.context.state.currentFileName, "");

  // Nein discards it; without a kept body nothing is asked.
  ASSERT_TRUE(KeepBodyForRecovery(t.context));
  next.ui.answers = {Answer::No};
  OfferRecoveredBody(next.context);
  EXPECT_FALSE(FileExists(path));
  size_t asked = next.ui.questions.size();
  OfferRecoveredBody(next.context);
  EXPECT_EQ(next.ui.questions.size(), asked);
}

// A body read from a file keeps the file's name when taken up again: the reports name it as
// before, and saving under the name asks first, since the file may have changed meanwhile.
TEST_F(Recovery, ARecoveredBodyKeepsItsFileNameAndSavingAsksBeforeReplacingTheFile) {
  testing::TempDir data;
  t.context.state.dataDirectory = data.Path() + "/";
  t.context.state.currentFileName = "welle";
  testing::WriteBytes(data.File("welle.kal"), "saved before\r\n");
  t.context.state.modified = true;
  ASSERT_TRUE(KeepBodyForRecovery(t.context));

  auto nextStart = [&](Answer answer) {
    auto next = std::make_unique<testing::TestContext>();
    next->platform.environment["HOME"] = home.Path();
    next->context.config.tempDirectory = home.Path();
    next->ui.answers = {answer};
    OfferRecoveredBody(next->context);
    return next;
  };
  auto next = nextStart(Answer::Yes);
  ProgramState& state = next->context.state;
  EXPECT_EQ(state.currentFileName, "welle");
  EXPECT_EQ(state.dataDirectory, data.Path() + "/");
  EXPECT_TRUE(state.modified);
  EXPECT_EQ(next->context.body.contour.count, 3);

  // Nein to the question leaves the file; Ja replaces it; the next save asks no more.
  next->ui.answers = {Answer::No};
  FileSave(next->context);
  ASSERT_EQ(next->ui.questions.size(), 2u);
  EXPECT_NE(next->ui.questions[1].find("welle.kal existiert bereits"), std::string::npos);
  EXPECT_EQ(testing::ReadBytes(data.File("welle.kal")), "saved before\r\n");
  EXPECT_TRUE(state.modified);
  next->ui.answers = {Answer::Yes};
  FileSave(next->context);
  EXPECT_FALSE(state.modified);
  EXPECT_NE(testing::ReadBytes(data.File("welle.kal")).find("50"), std::string::npos);
  state.modified = true;
  FileSave(next->context);
  EXPECT_EQ(next->ui.questions.size(), 3u);
  EXPECT_FALSE(state.modified);

  // An unnamed body kept after a named one is taken up unnamed: no stale name comes back.
  t.context.state.currentFileName.clear();
  ASSERT_TRUE(KeepBodyForRecovery(t.context));
  EXPECT_EQ(nextStart(Answer::Yes)->context.state.currentFileName, "");
  EXPECT_TRUE(testing::FolderEntries(DirectoryOf(RecoveryFilePath(t.platform))).empty());
}

}  // namespace
}  // namespace kalo
