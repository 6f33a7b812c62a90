// A modified body kept when a signal ends the window program, and offered at the next start.
#include "app/recovery.h"

#include <gtest/gtest.h>

#include "calc/calculation.h"
#include "platform/codepage.h"
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

}  // namespace
}  // namespace kalo
