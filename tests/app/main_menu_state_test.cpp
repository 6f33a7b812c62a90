// The recent list, the window caption and the Error Messages item as the main window shows them.
#include "app/main_menu_state.h"

#include <gtest/gtest.h>

#include "context/context.h"
#include "support/test_context.h"

namespace kalo {
namespace {

TEST(RecentList, NewestFirstFourAtMostAndOneEntryWhateverTheCase) {
  testing::TestContext t;
  t.context.state.dataDirectory = "/daten/";
  for (const char* name : {"a", "b", "c", "d", "e"}) AddToRecentList(t.context, name);
  EXPECT_EQ(t.context.state.recentFiles, (std::array<std::string, 4>{"/daten/e.kal", "/daten/d.kal", "/daten/c.kal",
                                                                     "/daten/b.kal"}));
  AddToRecentList(t.context, "/DATEN/C.KAL");
  EXPECT_EQ(t.context.state.recentFiles, (std::array<std::string, 4>{"/DATEN/C.KAL", "/daten/e.kal", "/daten/d.kal",
                                                                     "/daten/b.kal"}));
  // A relative name is kept with the working directory.
  t.platform.currentDirectory = "/home/anna";
  AddToRecentList(t.context, "welle.kal");
  EXPECT_EQ(t.context.state.recentFiles[0], "/home/anna/welle.kal");

  RemoveRecentEntry(t.context.state, 2);
  EXPECT_EQ(t.context.state.recentFiles, (std::array<std::string, 4>{"/home/anna/welle.kal", "/daten/e.kal",
                                                                     "/daten/d.kal", ""}));
}

TEST(RecentList, CaptionsShortenPathsOfFiftyCharactersOrMore) {
  std::string fortyNine = "c:\\kalo\\daten\\" + std::string(31, 'x') + ".kal";
  ASSERT_EQ(fortyNine.size(), 49u);
  EXPECT_EQ(RecentFileCaption(1, fortyNine), "&1 " + fortyNine);
  EXPECT_EQ(RecentFileCaption(2, fortyNine + "x"), "&2 c:\\...\\" + std::string(31, 'x') + ".kalx");
  std::string unix = "/home/anna/konstruktion/laufraeder/rad_vorne_links.kal";
  EXPECT_EQ(RecentFileCaption(3, unix), "&3 /.../rad_vorne_links.kal");
  // Without two separators nothing can be left out; "&" of a path stays a character.
  std::string noDirectory(60, 'y');
  EXPECT_EQ(RecentFileCaption(4, noDirectory), "&4 " + noDirectory);
  EXPECT_EQ(RecentFileCaption(1, "/a&b.kal"), "&1 /a&&b.kal");
}

TEST(MainMenuState, CaptionFollowsTheCurrentFileName) {
  testing::TestContext t;
  ProgramState& state = t.context.state;
  EXPECT_EQ(MainWindowCaption(t.context), ProgramTitleLine());
  state.currentFileName = "welle";
  EXPECT_EQ(MainWindowCaption(t.context), ProgramTitleLine() + "  -  welle.kal");
  state.currentFileName = "../teile/welle.alt";
  EXPECT_EQ(MainWindowCaption(t.context), ProgramTitleLine() + "  -  ../teile/welle.alt");
}

TEST(MainMenuState, ErrorMessagesItemCountsTheMessagesAndRecentItemsFollowTheList) {
  testing::TestContext t;
  MainMenuState none = CurrentMenuState(t.context);
  EXPECT_EQ(none.errorMessagesCaption, "&Fehlermeldungen (0)");
  EXPECT_FALSE(none.errorMessagesEnabled);
  EXPECT_FALSE(none.recentSeparatorVisible);
  EXPECT_EQ(none.recentCaptions, (std::array<std::string, 4>{}));

  for (int i = 0; i < 14; ++i) t.context.messages.Report("Meldung " + std::to_string(i));
  t.context.state.recentFiles = {"/d/a.kal", "", "/d/c.kal", ""};
  MainMenuState full = CurrentMenuState(t.context);
  EXPECT_EQ(full.errorMessagesCaption, "&Fehlermeldungen (11)");
  EXPECT_TRUE(full.errorMessagesEnabled);
  EXPECT_TRUE(full.recentSeparatorVisible);
  EXPECT_EQ(full.recentCaptions, (std::array<std::string, 4>{"&1 /d/a.kal", "", "&3 /d/c.kal", ""}));
}

TEST(MainMenuState, StatusLineWarnsAboutTheContour) {
  testing::TestContext t;
  Contour& c = t.context.body.contour;
  c.Reset();
  c[1] = {0, 0, 0};
  c[2] = {0, 10, 0};  // clockwise
  c[3] = {100, 10, 0};
  c[4] = {100, 0, 0};
  c.count = 4;
  EXPECT_NE(CurrentMenuState(t.context).status.find("Uhrzeigersinn"), std::string::npos);
  std::swap(c[2], c[4]);
  EXPECT_EQ(CurrentMenuState(t.context).status, "");
}

}  // namespace
}  // namespace kalo
