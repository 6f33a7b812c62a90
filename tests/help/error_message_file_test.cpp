// Looking up cause and remedy of collected messages in the error-message file.
#include <gtest/gtest.h>

#include "help/error_message_file.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class ErrorMessageFileTest : public ::testing::Test {
 protected:
  ErrorMessageFileTest() { context.config.pltDirectory = dir.Path(); }

  void WriteErrorFile(const std::vector<std::string>& lines) {
    std::string error;
    ASSERT_TRUE(WriteTextLines(dir.File("kalo.err"), lines, error));
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

TEST_F(ErrorMessageFileTest, TheFirstFourteenCharactersFindTheEntry) {
  WriteErrorFile({"Fatal  : A = 0 !", "keine Fläche", "Kontur schließen", "Fatal  : GetJR", "Radius < 0",
                  "Kontur verschieben"});
  context.messages.Report("Fatal  : GetJR and more text");
  context.messages.Report("Fatal  : GetJ");
  EXPECT_EQ(GetMessageCause(context, 1), "Radius < 0");
  EXPECT_EQ(GetMessageRemedy(context, 1), "Kontur verschieben");
  // Thirteen characters are not the fourteen of the entry.
  EXPECT_EQ(GetMessageCause(context, 2), "keine Beschreibung dieser Fehlermeldung vorhanden.");
  EXPECT_EQ(GetMessageRemedy(context, 2), "");
}

TEST_F(ErrorMessageFileTest, AnEarlierCauseLineWithTheSameStartWins) {
  WriteErrorFile({"Meldung eins", "GetArcCenter liegt daneben", "Abhilfe eins", "GetArcCenter l12=0",
                  "richtige Ursache", "richtige Abhilfe"});
  context.messages.Report("GetArcCenter l12=0");
  EXPECT_EQ(GetMessageCause(context, 1), "Abhilfe eins");
  EXPECT_EQ(GetMessageRemedy(context, 1), "GetArcCenter l12=0");
}

TEST_F(ErrorMessageFileTest, AMissingFileGivesEmptyTexts) {
  context.messages.Report("Fatal  : A = 0 !");
  EXPECT_EQ(GetMessageCause(context, 1), "");
  EXPECT_EQ(GetMessageRemedy(context, 1), "");
  EXPECT_FALSE(ExplainMessage(context, "Fatal  : A = 0 !").fileFound);
}

TEST_F(ErrorMessageFileTest, AnEntryAtTheEndOfTheFileHasEmptyMissingLines) {
  WriteErrorFile({"Schraffurfehler", "nur Ursache"});
  MessageExplanation explanation = ExplainMessage(context, "Schraffurfehler");
  EXPECT_TRUE(explanation.entryFound);
  EXPECT_EQ(explanation.cause, "nur Ursache");
  EXPECT_EQ(explanation.remedy, "");
}

TEST_F(ErrorMessageFileTest, TheShippedFileExplainsEveryCalculationAndGeometryMessage) {
  context.config.pltDirectory = std::string(KALO_SOURCE_DIR) + "/data";
  std::string bytes = ReadBytes(ErrorMessageFilePath(context));
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
  const std::vector<std::string> messages = {
      "Fatal  : > 2000 Punkte !", "Fatal  : A = 0 !", Oem("Fatal  : Zahlenüberlauf !"), "Fatal  : GetMasseR", "Fatal  : GetJR",
      "Fehler in GetArcCenter (dphi = 0 ! ", "GetArcCenter l12=0", "Error: function tan in Unit math",
      "Schraffurfehler", "Fatal  : n schraff !", "Fatal  : schraff schnittp", "Fatal  : QSORT2 error"};
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(ReadTextLines(ErrorMessageFilePath(context), lines, error));
  ASSERT_EQ(lines.size(), messages.size() * 3);
  for (size_t i = 0; i < messages.size(); ++i) {
    MessageExplanation explanation = ExplainMessage(context, messages[i]);
    ASSERT_TRUE(explanation.entryFound) << messages[i];
    // The entry found is the message's own: its cause is the line after the message line.
    EXPECT_EQ(explanation.cause, lines[3 * i + 1]) << messages[i];
    EXPECT_EQ(explanation.remedy, lines[3 * i + 2]) << messages[i];
    EXPECT_FALSE(explanation.cause.empty());
    EXPECT_FALSE(explanation.remedy.empty());
  }
  // Umlauts are code page 850: "ä" is byte 132.
  EXPECT_NE(bytes.find(Oem("vergrößern")), std::string::npos);
}

}  // namespace
}  // namespace kalo::testing
