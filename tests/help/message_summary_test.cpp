// The message summary, the explanation window and saving an edited explanation.
#include "help/message_summary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "help/error_explanation_form.h"
#include "help/error_explanation_save.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

const char kErrorFile[] =
    "Fatal  : A = 0 !\r\nkeine Fl\x84""che\r\nKontur schlie\xe1""en\r\n"
    "Schraffurfehler\r\nzu viele Schnittpunkte\r\nWinkel \x84ndern\r\n";

class MessageSummaryTest : public ::testing::Test {
 protected:
  MessageSummaryTest() {
    std::filesystem::create_directories(dir.File("plt"));
    std::filesystem::create_directories(dir.File("tmp"));
    context.config.pltDirectory = dir.File("plt");
    context.config.tempDirectory = dir.File("tmp");
    WriteBytes(ErrorFile(), kErrorFile);
    context.messages.Report("Fatal  : A = 0 ! (Polygon offen)");
    context.messages.Report("Schraffurfehler");
    context.messages.Report("ohne Beschreibung");
  }
  std::string ErrorFile() const { return dir.File("plt/kalo.err"); }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

TEST_F(MessageSummaryTest, SilentWithNoGuiAndAnInfoWithoutMessages) {
  context.state.arguments = {"welle.kal", "/nogui"};
  ShowMessageSummary(context);
  EXPECT_TRUE(test.ui.messages.empty());
  EXPECT_TRUE(test.ui.choiceCaptions.empty());

  context.state.arguments.clear();
  context.messages.Clear();
  ShowMessageSummary(context);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].caption, "Meldung:");
  EXPECT_EQ(test.ui.messages[0].text, "Berechnung erfolgreich ohne Fehlermeldungen");
}

TEST_F(MessageSummaryTest, EachChosenMessageIsExplainedAndTheNextPreselected) {
  std::vector<std::string> shown;
  test.ui.onErrorExplanation = [&](ErrorExplanationForm& form) {
    EXPECT_EQ(form.caption, "Fehlermeldung");
    shown.push_back(form.messageText + " | " + form.cause + " | " + form.remedy);
  };
  test.ui.choices = {0, 1, 2};  // the three messages in turn: the loop ends after the last
  ShowMessageSummary(context);
  ASSERT_EQ(test.ui.choiceCaptions.size(), 3u);
  EXPECT_EQ(test.ui.choiceCaptions[0], "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.");
  EXPECT_EQ(test.ui.choiceItems.back(), Oem("Weiter/zurück..."));
  EXPECT_EQ(test.ui.preselections, (std::vector<int>{3, 1, 2}));  // help level 1: "Weiter" first
  EXPECT_EQ(shown, (std::vector<std::string>{"Fatal  : A = 0 ! (Polygon offen) | keine Fläche | Kontur schließen",
                                             "Schraffurfehler | zu viele Schnittpunkte | Winkel ändern"}));
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].caption, "Meldung");
  EXPECT_EQ(test.ui.messages[0].text, "keine Beschreibung dieser Fehlermeldung vorhanden.");
  EXPECT_EQ(context.state.helpNumber, kSummaryHelpNumber);

  // Help level 2 preselects the first message; "Weiter" ends at once.
  context.config.helpLevel = HelpLevel::Extended;
  test.ui.preselections.clear();
  test.ui.choices = {3};
  ShowMessageSummary(context);
  EXPECT_EQ(test.ui.preselections, (std::vector<int>{0}));
  EXPECT_EQ(shown.size(), 2u);
}

TEST_F(MessageSummaryTest, AMissingErrorFileIsReportedAndEndsTheLoop) {
  std::filesystem::remove(ErrorFile());
  test.ui.choices = {0, 1};
  ShowMessageSummary(context);
  EXPECT_EQ(test.ui.choiceCaptions.size(), 1u);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, "Datei " + ErrorFile() + " nicht gefunden oder kein Zugriffsrecht !");
  EXPECT_TRUE(context.state.cancel);
}

TEST_F(MessageSummaryTest, AnEditedExplanationReplacesItsEntryThroughTheTemporaryFolder) {
  test.ui.answers = {Answer::Yes};
  test.ui.onErrorExplanation = [](ErrorExplanationForm& form) {
    form.remedy = "Schrittweite\r\nvergrößern";  // a line break stays within the line
    form.MemoChanged();
    form.OkClick();
  };
  ShowMessageHelp(context, 2);
  EXPECT_EQ(test.ui.questions, (std::vector<std::string>{"Save Changes ?"}));
  std::string old = kErrorFile;
  std::string expected = old.substr(0, old.find("Schraffurfehler")) + "Schraffurfehler\r\nzu viele Schnittpunkte\r\n" +
                         Oem("Schrittweite  vergrößern") + "\r\n";
  EXPECT_EQ(ReadBytes(ErrorFile()), expected);
  // The copy was put together in the run's private folder inside the temporary folder.
  EXPECT_EQ(context.scratchFolder.Path().rfind(dir.File("tmp/kalo-"), 0), 0u);
  EXPECT_EQ(ReadBytes(context.scratchFolder.Path() + "kalo.err"), expected);

  // Unchanged memos ask nothing; the help button shows help text 1970.
  test.ui.questions.clear();
  test.ui.onErrorExplanation = [](ErrorExplanationForm& form) {
    form.HelpClick();
    form.OkClick();
  };
  ShowMessageHelp(context, 1);
  EXPECT_TRUE(test.ui.questions.empty());
  EXPECT_EQ(test.ui.messages.back().caption, "HILFETEXT Nr.1970");
}

TEST_F(MessageSummaryTest, NothingIsSavedWhenTheCopyCannotBeMadeOrTheEntryIsMissing) {
  // The temporary folder is the help picture folder.
  context.config.tempDirectory = dir.File("plt/");
  EXPECT_FALSE(SaveMessageExplanation(context, "Schraffurfehler", "neu", "neu"));
  EXPECT_EQ(ReadBytes(ErrorFile()), kErrorFile);

  context.config.tempDirectory = dir.File("tmp");
  EXPECT_FALSE(SaveMessageExplanation(context, "Unbekannte Meldung", "neu", "neu"));
  EXPECT_EQ(test.ui.messages.back().text, "Unbekannte Meldung not found.");
  // The match on the file's last line has no explanation to replace.
  EXPECT_FALSE(SaveMessageExplanation(context, Oem("Winkel ändern"), "neu", "neu"));
  EXPECT_EQ(ReadBytes(ErrorFile()), kErrorFile);

  // A temporary folder that cannot be written keeps the old file.
  context.config.tempDirectory = dir.File("missing");
  EXPECT_FALSE(SaveMessageExplanation(context, "Schraffurfehler", "neu", "neu"));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(ReadBytes(ErrorFile()), kErrorFile);
}

}  // namespace
}  // namespace kalo::testing
