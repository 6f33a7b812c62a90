// Help → History: the shipped version history in the text window.
#include <gtest/gtest.h>

#include "app/help_commands.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

TEST(HelpHistory, TheShippedHistoryIsShownInTheWindowCodePage) {
  TempDir dir;
  TestContext t;
  t.context.config.tempDirectory = dir.Path();
  t.context.config.pltDirectory = std::string(KALO_SOURCE_DIR) + "/data";
  HelpHistory(t.context);
  ASSERT_EQ(t.ui.shownTextFiles.size(), 1u);
  const std::string& shown = t.ui.shownTextFiles[0].content;
  EXPECT_EQ(shown.rfind("KALO  Versionsgeschichte\r\n", 0), 0u);
  EXPECT_NE(shown.find("Version 2.0"), std::string::npos);
  EXPECT_NE(shown.find(Cp850ToAnsi(Oem("Änderungsliste"))), std::string::npos);
  EXPECT_TRUE(t.ui.messages.empty());
}

}  // namespace
}  // namespace kalo::testing
