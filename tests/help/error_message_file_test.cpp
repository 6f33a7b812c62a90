// Looking up cause and remedy of collected messages in the error-message file.
#include "help/error_message_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "help/program_sources.h"
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
    ASSERT_TRUE(WriteTextLines(dir.File("kalo.err"), lines));
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

// A message line of the file that the message finds: the first 14 characters are equal (a
// shorter message, put together from its start, begins the line).
bool HasEntry(const std::vector<std::string>& lines, const std::string& message) {
  size_t key = std::min(message.size(), kMessageKeyLength);
  for (size_t i = 0; i < lines.size(); i += 3)
    if (lines[i].size() >= key && lines[i].compare(0, key, message, 0, key) == 0) return true;
  return false;
}

TEST_F(ErrorMessageFileTest, TheShippedFileExplainsEveryMessageOfTheCode) {
  context.config.pltDirectory = std::string(KALO_SOURCE_DIR) + "/data";
  std::string bytes = ReadBytes(ErrorMessageFilePath(context));
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadTextLines(ErrorMessageFilePath(context), lines));
  ASSERT_EQ(lines.size() % 3, 0u);

  std::set<std::string> messages = MessageStartsInCode(ProgramSources());
  for (const char* known : {"Fatal  : GetJR", "Schraffurfehler", "zu viele Punkte !", "DBH file error"})
    EXPECT_EQ(messages.count(known), 1u) << known;
  for (const std::string& message : messages) EXPECT_TRUE(HasEntry(lines, message)) << message;

  // Every entry is found by its own message line and has a cause and a remedy.
  for (size_t i = 0; i < lines.size(); i += 3) {
    MessageExplanation explanation = ExplainMessage(context, lines[i]);
    EXPECT_EQ(explanation.cause, lines[i + 1]) << lines[i];
    EXPECT_EQ(explanation.remedy, lines[i + 2]) << lines[i];
    EXPECT_FALSE(explanation.cause.empty() || explanation.remedy.empty()) << lines[i];
  }
  // Umlauts are code page 850: "ö" is byte 148.
  EXPECT_NE(bytes.find(Oem("vergrößern")), std::string::npos);
}

}  // namespace
}  // namespace kalo::testing
