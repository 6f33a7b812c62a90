// The help picture browser: its index file, its window and sending a picture to a port.
#include "graphics/screen_plotter.h"
#include "help/help_picture_browser.h"

#include <gtest/gtest.h>

#include "cad/recording_plotter.h"
#include "help/help_picture_form.h"
#include "help/help_picture_index.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

TEST(HelpPictureIndexTest, EditsKeepEveryOtherLineByteForByte) {
  // Mixed line ends, a blank line, a damaged line and a last line without an end.
  const std::string bytes = "\"EINS\",\"erstes Bild\"\r\n\n\"ZWEI\",\"zweites\"\nDREI,\"ohne Anf\xFChrung\"\r\n\"VIER\",\"Ende\"";
  HelpPictureIndex index(bytes);
  ASSERT_EQ(index.Entries().size(), 4u);
  EXPECT_TRUE(index.Damaged());
  EXPECT_EQ(index.Entries()[2].name, "DREI,");
  EXPECT_EQ(index.Entries()[3].information, "Ende");
  EXPECT_EQ(index.Bytes(), bytes);

  index.Change(1, {"NEU", "neue Info"});
  EXPECT_EQ(index.Bytes(), "\"EINS\",\"erstes Bild\"\r\n\n\"NEU\",\"neue Info\"\nDREI,\"ohne Anf\xFChrung\"\r\n\"VIER\",\"Ende\"");
  index.Delete(2);
  index.Insert(0, {"NULL", "vor allen"});
  index.Append({"ZU_LANGER_NAME", std::string(60, 'i') + "\""});
  EXPECT_EQ(index.Bytes(), "\"NULL\",\"vor allen\"\r\n\"EINS\",\"erstes Bild\"\r\n\n\"NEU\",\"neue Info\"\n\"VIER\",\"Ende\"\r\n"
                           "\"ZU_LANGE\",\"" + std::string(50, 'i') + "\"\r\n");
  EXPECT_FALSE(index.Damaged());
}

TEST(HelpPictureIndexTest, OnlyTheFirst200EntriesAreRead) {
  std::string bytes;
  for (int i = 0; i < 250; ++i) bytes += "\"B" + std::to_string(i) + "\",\"Bild\"\r\n";
  HelpPictureIndex index(bytes);
  EXPECT_EQ(index.Entries().size(), 200u);
  index.Delete(0);
  EXPECT_EQ(index.Bytes(), bytes.substr(bytes.find('\n') + 1));
}

class HelpPictureBrowserTest : public ::testing::Test {
 protected:
  HelpPictureBrowserTest() {
    context.config.pltDirectory = dir.Path();
    context.screenPlotter = &plotter;
    test.platform.printerPortDirectory = dir.Path();
    WriteBytes(dir.File("EINS.plt"), "SP1;PU0,0;PD40,0;");
    WriteBytes(dir.File("ZWEI.plt"), "SP2;PU0,0;PD80,0;");
  }

  // The windows the browser shows: each answer is a click on the form.
  void Clicks(std::vector<std::function<void(HelpPictureForm&)>> clicks) {
    test.ui.onHelpPictureBrowser = [this, clicks, next = size_t(0)](HelpPictureForm& form) mutable {
      shownLines.push_back(form.Lines());
      preselected.push_back(form.Selected());
      if (next == clicks.size()) return false;
      clicks[next++](form);
      return true;
    };
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
  RecordingPlotter plotter;
  std::vector<std::vector<std::string>> shownLines;
  std::vector<int> preselected;
};

TEST_F(HelpPictureBrowserTest, ShowsPictureOneFirstThenWhatIsChosen) {
  WriteBytes(dir.File("kalo.dbh"), "\"EINS\",\"erstes Bild\"\r\n\"ZWEI\",\"zweites Bild\"\r\n");
  Clicks({[](HelpPictureForm& form) { form.SpinButton1DownClick(); }});
  BrowseHelpPictures(context);
  EXPECT_EQ(plotter.Starting("Line"), (std::vector<std::string>{"Line 0.000 0.000 1.000 0.000", "Line 0.000 0.000 2.000 0.000"}));
  ASSERT_EQ(shownLines.size(), 2u);
  EXPECT_EQ(shownLines[0], (std::vector<std::string>{"EINS    : erstes Bild", "ZWEI    : zweites Bild", "-----  Erweitern  -----",
                                                     Oem("-----  Löschen  -----"), Oem("-----  Ändern  ------"),
                                                     Oem("-----  Einfügen ------"), "-----  HP-GL/2 drucken/plotten  ------"}));
  EXPECT_EQ(preselected, (std::vector<int>{0, 1}));
  EXPECT_EQ(context.state.helpNumber, kPictureListHelp);
}

TEST_F(HelpPictureBrowserTest, AppendsChangesAndDeletesEntriesInTheIndexFile) {
  WriteBytes(dir.File("kalo.dbh"), "\"EINS\",\"erstes Bild\"\r\n");
  test.ui.texts = {dir.File("ZWEI.plt"), "zweites Bild", "ZWEI", "anders"};
  test.ui.answers = {Answer::Yes};
  Clicks({[](HelpPictureForm& form) { form.Button_neuClick(); },
          [](HelpPictureForm& form) { form.Button_aendernClick(); },  // the last entry is preselected
          [](HelpPictureForm& form) { form.ListBox1Click(0); },
          [](HelpPictureForm& form) { form.Button_loeschenClick(); }});
  BrowseHelpPictures(context);
  EXPECT_EQ(ReadBytes(dir.File("kalo.dbh")), "\"ZWEI\",\"anders\"\r\n");
  EXPECT_EQ(preselected, (std::vector<int>{0, 1, 1, 0, 0}));
  ASSERT_EQ(test.ui.questions.size(), 1u);
  EXPECT_EQ(test.ui.questions[0], "EINS    : erstes Bild   " + Oem("Löschen ?"));
}

TEST_F(HelpPictureBrowserTest, ADamagedIndexIsReportedAndReadAllTheSame) {
  WriteBytes(dir.File("kalo.dbh"), "EINS,erstes\r\n");
  BrowseHelpPictures(context);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, "DBH file error");
  EXPECT_EQ(plotter.Starting("Line").size(), 0u);  // "EINS,erstes.plt" is no file
}

TEST_F(HelpPictureBrowserTest, APictureGoesToThePortByteForByte) {
  std::string port = dir.File("lpt2");
  WriteBytes(port, "");
  PrintHelpPicture(context, dir.File("EINS.plt"), 2, true);
  EXPECT_EQ(ReadBytes(port), "\x1B" "E\x1B%0BSP1;PU0,0;PD40,0;\x1B%0A\x1B" "E");
  PrintHelpPicture(context, dir.File("ZWEI.plt"), 2, false);
  EXPECT_EQ(ReadBytes(port), "SP2;PU0,0;PD80,0;");
  EXPECT_TRUE(test.ui.messages.empty());

  // A port that is not there is never created.
  PrintHelpPicture(context, dir.File("EINS.plt"), 3, false);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text.rfind("file write error   " + dir.File("lpt3"), 0), 0u);
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(ReadBytes(dir.File("lpt3")).empty());
}

TEST_F(HelpPictureBrowserTest, ThePrintCommandAsksPicturePortAndControlSequences) {
  WriteBytes(dir.File("kalo.dbh"), "\"EINS\",\"erstes Bild\"\r\n\"ZWEI\",\"zweites Bild\"\r\n");
  WriteBytes(dir.File("lpt1"), "");
  test.ui.choices = {1};
  test.ui.texts = {"1"};
  test.ui.onYesNoChoice = [](YesNoChoiceForm&) { return true; };
  Clicks({[](HelpPictureForm& form) { form.ListBox1Click(6); }});
  BrowseHelpPictures(context);
  EXPECT_EQ(ReadBytes(dir.File("lpt1")), "\x1B" "E\x1B%0BSP2;PU0,0;PD80,0;\x1B%0A\x1B" "E");
  EXPECT_EQ(test.ui.choiceCaptions, std::vector<std::string>{"Welches Bild ausdrucken ?"});
}

}  // namespace
}  // namespace kalo::testing
