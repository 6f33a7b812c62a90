// The standard questions driven through the scripted Ui.
#include "dialogs/standard_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/choice_forms.h"
#include "dialogs/select_dir_form.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

TEST(StandardDialogs, RealOutOfRangeIsAskedAgainAndCancelKeepsTheValue) {
  TestContext t;
  long double value = 5;
  t.ui.texts = {"0,005", "abc", "2,5"};
  EXPECT_TRUE(AskReal(t.context, "Dichte", value, 100, 0.01L));
  EXPECT_EQ(value, 2.5L);
  ASSERT_EQ(t.ui.messages.size(), 2u);
  EXPECT_EQ(t.ui.messages[0].text, Oem("Gültiger Wertebereich: 0.01 .. 100 !"));
  EXPECT_EQ(t.ui.beeps, 2);
  EXPECT_EQ(t.ui.prompts.size(), 3u);
  EXPECT_FALSE(t.context.state.cancel);

  // A rejected answer followed by Cancel leaves the old value, with the cancel flag.
  t.ui.texts = {"1000"};
  EXPECT_FALSE(AskReal(t.context, "Dichte", value, 100, 0.01L));
  EXPECT_EQ(value, 2.5L);
  EXPECT_TRUE(t.context.state.cancel);
}

TEST(StandardDialogs, RealTakenUnchangedKeepsAllItsDigits) {
  TestContext t;
  t.context.config.decimalSeparator = DecimalSeparator::Comma;
  t.ui.texts = {"7,123"};  // the shown text, confirmed
  long double value = 7.123456789L;
  EXPECT_TRUE(AskReal(t.context, "x", value, 10, 0));
  EXPECT_EQ(value, 7.123456789L);
}

TEST(StandardDialogs, ChoiceIndexIsOneBasedAndOutOfRangeIndexesPreselectTheFirst) {
  TestContext t;
  LineList lines({"eins", "zwei", "drei", std::string(80, 'x')});
  int index = 9;
  t.ui.choices = {2};
  EXPECT_TRUE(AskChoice(t.context, "Titel", lines, 4, index));
  EXPECT_EQ(index, 3);
  ASSERT_EQ(t.ui.choiceItems.size(), 4u);
  EXPECT_EQ(t.ui.choiceItems[3].size(), kLineListWidth);

  for (int start : {0, 2, 5}) {
    index = start;
    EXPECT_FALSE(AskChoice(t.context, "Titel", lines, 4, index));
    EXPECT_EQ(index, start);  // Cancel keeps it
  }
  EXPECT_EQ(t.ui.preselections, (std::vector<int>{0, 0, 1, 0}));
  EXPECT_TRUE(t.context.state.cancel);
}

TEST(StandardDialogs, YesNoChoiceColourFileAndLines) {
  TestContext t;
  t.ui.onYesNoChoice = [](YesNoChoiceForm& form) {
    EXPECT_EQ(form.caption, "Eingabe");
    EXPECT_FALSE(form.yes);  // "n" preselects "&Nein"
    form.yes = true;
    return true;
  };
  EXPECT_TRUE(AskYesNoChoice(t.context, "Speichern ?", 'n'));
  t.ui.onYesNoChoice = nullptr;
  EXPECT_TRUE(AskYesNoChoice(t.context, "Speichern ?", 'J'));  // cancel gives the default
  EXPECT_TRUE(t.context.state.cancel);

  int colour = 3;
  t.ui.onSelectColour = [](SelectColourForm& form) {
    EXPECT_EQ(form.row, 2);
    form.row = 6;
    return true;
  };
  EXPECT_TRUE(AskColour(t.context, colour));
  EXPECT_EQ(colour, 7);

  struct FileUi : ScriptedUi {
    std::string directory, filter;
    bool AskOpenFileName(const std::string& d, const std::string& f, std::string& path) override {
      directory = d;
      filter = f;
      return ScriptedUi::AskOpenFileName(d, f, path);
    }
  } ui;
  Context context(ui, t.platform, t.clock);
  std::string path = " /daten/alt/welle.kal ";
  EXPECT_FALSE(AskFile(context, path, "*.kal"));
  EXPECT_EQ(path, " /daten/alt/welle.kal ");
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(ui.directory, "/daten/alt");
  EXPECT_EQ(ui.filter, "*.kal|*.kal");

  LineList lines;
  for (int i = 1; i <= 30; ++i) lines.Set(i, "Zeile " + std::to_string(i));
  ShowLines(t.context, lines);
  ASSERT_EQ(t.ui.shownLines.size(), 22u);
  EXPECT_EQ(t.ui.shownLines[21], "Zeile 22");
}

TEST(StandardDialogs, DirectoryStartsInTheWorkingDirectoryWhenTheGivenOneIsMissing) {
  TestContext t;
  TempDir dir;
  std::filesystem::create_directories(dir.File("work/b"));
  std::filesystem::create_directories(dir.File("work/a"));
  std::filesystem::create_directories(dir.File("work/.hidden"));
  t.platform.currentDirectory = dir.File("work");
  std::string directory = dir.File("missing");
  t.context.state.cancel = true;
  t.ui.onSelectDir = [&](SelectDirForm& form) {
    EXPECT_EQ(form.caption, "Select Directory");
    EXPECT_EQ(form.Directory(), dir.File("work"));
    EXPECT_EQ(form.Entries(), (std::vector<std::string>{"..", "a", "b"}));
    form.DirectoryListBox_open("b");
    form.DirectoryListBox_open("gone");  // stays in b
    return false;
  };
  EXPECT_FALSE(AskDirectory(t.context, directory));
  EXPECT_EQ(directory, dir.File("missing"));
  EXPECT_FALSE(t.context.state.cancel);  // cancel clears the flag

  t.ui.onSelectDir = [&](SelectDirForm& form) {
    EXPECT_EQ(form.Directory(), dir.File("work/b"));
    form.DirectoryListBox_open("..");
    form.DirectoryListBox_open("a");
    return true;
  };
  directory = dir.File("work/b/");
  EXPECT_TRUE(AskDirectory(t.context, directory));
  EXPECT_EQ(directory, dir.File("work/a"));

  SelectDirForm root("/", {"/", dir.File("work")});
  EXPECT_TRUE(root.Entries().empty() || root.Entries().front() != "..");
  EXPECT_EQ(root.Drive(), "/");
  root.DriveComboBox_change(dir.File("work"));
  root.DirectoryListBox_open("a");
  EXPECT_EQ(root.Drive(), dir.File("work"));
}

}  // namespace
}  // namespace kalo::testing
