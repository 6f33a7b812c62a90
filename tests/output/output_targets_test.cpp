// Where each target of the text output channel puts its lines and how it finishes.
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "report/report_fixture.h"

namespace kalo::testing {
namespace {

using OutputTargetTest = ReportTest;

// Opens the target, writes one line with an umlaut and closes; returns what Close said.
bool WriteOneLine(Context& context, int kind) {
  TextOutput output(context);
  if (!output.Open(kind)) return false;
  output.Line(Oem("Maß 20°"));
  return output.Close();
}

TEST_F(OutputTargetTest, TargetQuestionOffersSevenChoicesAndItsCancelWritesNothing) {
  context.config.askTextDevice = true;
  context.config.textDevice = kTargetFile;
  EXPECT_FALSE(WriteOneLine(context, 0));
  EXPECT_TRUE(context.state.cancel);
  ASSERT_EQ(test.ui.choiceCaptions, std::vector<std::string>{"Ausgabe auf .."});
  ASSERT_EQ(test.ui.choiceItems.size(), 7u);
  EXPECT_EQ(test.ui.choiceItems[5], "TXT File (Excel, QPRO ...)");
  EXPECT_FALSE(context.scratchFolder.Exists()) << "nothing written, no folder made";

  context.state.cancel = false;
  test.ui.choices = {0};
  EXPECT_TRUE(WriteOneLine(context, 0));
  ASSERT_EQ(test.ui.shownTextFiles.size(), 1u);
  EXPECT_EQ(test.ui.shownTextFiles[0].path, Scratch("outwin.txt"));
  EXPECT_EQ(test.ui.shownTextFiles[0].content, "       Ma\xDF 20\xB0\r\n");  // window code page
}

TEST_F(OutputTargetTest, TextPrinterGetsSetupCodesPagesAndPauseQuestions) {
  WriteBytes(dir.File("TEXT.HXP"), "\x1B" "E");
  context.config.printerPort = 2;
  test.ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
  TextOutput output(context);
  ASSERT_TRUE(output.Open(kTargetTextPrinter));
  EXPECT_EQ(test.ui.questions[0], "Pause nach jeder Seite ?");
  output.PageHeader();
  output.Line("erste Seite");
  output.EndPage();
  // The first page reached the printer before the question about the next sheet.
  EXPECT_NE(ReadBytes(dir.File("lpt2")).find("erste Seite\r\n\f\r\n"), std::string::npos);
  output.PageHeader();  // answered No: the output is abandoned
  EXPECT_EQ(test.ui.questions.back(), "Blatt in Drucker einlegen.  Fortfahren ?");
  EXPECT_TRUE(context.state.cancel);
  EXPECT_FALSE(output.Close());
  EXPECT_EQ(ReadBytes(dir.File("lpt2")).substr(0, 2), "\x1B" "E");
}

TEST_F(OutputTargetTest, FileTargetAsksForTheNameAndWritesAWindowCopy) {
  test.ui.texts = {dir.File("bericht")};
  EXPECT_TRUE(WriteOneLine(context, kTargetFile));
  EXPECT_EQ(ReadBytes(dir.File("bericht.txt")), Oem("       Maß 20°") + "\r\n");
  EXPECT_EQ(ReadBytes(Scratch("outwin.txt")), "       Ma\xDF 20\xB0\r\n");
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, dir.File("bericht.txt") + " und Windows-Datei outwin.txt wurden angelegt.");

  EXPECT_FALSE(WriteOneLine(context, kTargetFile));  // save dialog cancelled
  EXPECT_TRUE(context.state.cancel);
}

TEST_F(OutputTargetTest, WindowsPrinterPrintsATemporaryFileAndReportsAFailedPrint) {
  EXPECT_TRUE(WriteOneLine(context, kTargetWindowsPrinter));
  ASSERT_EQ(test.ui.printedTextFiles.size(), 1u);
  EXPECT_EQ(test.ui.printedTextFiles[0].content, Oem("       Maß 20°") + "\r\n");
  EXPECT_FALSE(FileExists(test.ui.printedTextFiles[0].path));

  test.ui.printSucceeds = false;
  EXPECT_FALSE(WriteOneLine(context, kTargetWindowsPrinter));
  EXPECT_TRUE(context.state.cancel);
}

TEST_F(OutputTargetTest, TextProgramIsStartedWithTheWindowCopyOrReportedMissing) {
  context.config.textProgram = dir.File("editor");
  EXPECT_FALSE(WriteOneLine(context, kTargetTextProgram));
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, dir.File("editor") + " not found");
  EXPECT_TRUE(FileExists(Scratch("outwin.txt")));
  EXPECT_TRUE(test.platform.startedPrograms.empty());

  context.state.cancel = false;
  WriteBytes(dir.File("editor"), "");
  EXPECT_TRUE(WriteOneLine(context, kTargetTextProgram));
  EXPECT_EQ(test.platform.startedPrograms, std::vector<std::string>{dir.File("editor") + " " + Scratch("outwin.txt")});
}

TEST_F(OutputTargetTest, ProgramsWithoutFolderAreFoundThroughThePath) {
  WriteBytes(dir.File("xdg-open"), "");
  test.platform.environment["PATH"] = "/nonexistent:" + dir.Path();
  context.config.htmlBrowser = "xdg-open";
  EXPECT_TRUE(WriteOneLine(context, kTargetHtml));
  EXPECT_EQ(test.platform.startedPrograms, std::vector<std::string>{"xdg-open " + Scratch("kalo.htm")});
}

TEST_F(OutputTargetTest, SpreadsheetFilesAreNumberedAndCopied) {
  EXPECT_TRUE(WriteOneLine(context, kTargetSpreadsheet));
  EXPECT_TRUE(WriteOneLine(context, kTargetSpreadsheet));
  EXPECT_EQ(context.textChannel.fileCounter, 2);
  EXPECT_EQ(ReadBytes(Scratch("$$$1.txt")), Oem("Maß 20°") + "\r\n");
  EXPECT_EQ(ReadBytes(Scratch("$$1.txt")), Oem("Maß 20°") + "\r\n");
  EXPECT_TRUE(FileExists(Scratch("$$$2.txt")));
  EXPECT_TRUE(FileExists(Scratch("$$2.txt")));
}

TEST_F(OutputTargetTest, BatchOutputGoesStraightToTheWorkingFolder) {
  EXPECT_TRUE(WriteOneLine(context, kTargetBatch));
  EXPECT_EQ(ReadBytes(dir.File("welle.txt")), Oem("Maß 20°") + "\r\n");
  EXPECT_FALSE(context.scratchFolder.Exists()) << "no scratch file, no folder";
}

TEST_F(OutputTargetTest, HtmlIsWrittenInTheWindowCodePageOrInPlainLetters) {
  test.ui.texts = {dir.File("seite")};
  TextOutput output(context);
  output.SetHeaderTexts({Oem("Körper"), "Zeile 1", "", "", ""});
  ASSERT_TRUE(output.Open(kTargetHtml));
  output.PageHeader();
  output.ResultLine("Masse", "m", "kg", "2");
  output.Line(Oem("Maß"));
  ASSERT_TRUE(output.Close());
  std::vector<std::string> expected = {
      "<!-- welle.txt -->", "<HTML>", "<head><title>K\xF6rper</title></head>", "<BODY BGCOLOR=\"#C0C0C0\">",
      "<hr>", "<h4>K\xF6rper</h4>", "<h5>Zeile 1</h5>", "<hr>", "<TABLE BORDER = \"2\" WIDTH= \"100%\">",
      "<TR><TD>Masse</TD><TD>m</TD><TD>kg</TD><TD><DIV ALIGN=RIGHT>2</DIV></TD></TR>", "</TABLE>",
      "<br>Ma\xDF", "</BODY>", "</HTML>"};
  EXPECT_EQ(FileLines(dir.File("seite.htm")), expected);

  context.config.specialCharacters = SpecialCharacters::PlainLetters;
  test.ui.texts = {dir.File("plain")};
  EXPECT_TRUE(WriteOneLine(context, kTargetHtml));
  EXPECT_EQ(FileLines(dir.File("plain.htm")), (std::vector<std::string>{"<br>Mass 20deg", "</BODY>", "</HTML>"}));
}

TEST_F(OutputTargetTest, DosFileLivesInTheTemporaryFolder) {
  EXPECT_TRUE(WriteOneLine(context, kTargetDosFile));
  EXPECT_EQ(ReadBytes(dir.File("OUTDOS.TXT")), Oem("       Maß 20°") + "\r\n");
}

TEST_F(OutputTargetTest, AnOutputThatCannotBeWrittenIsNeverReportedAsWritten) {
  context.config.tempDirectory = dir.File("missing");
  EXPECT_FALSE(WriteOneLine(context, kTargetDosFile));
  EXPECT_TRUE(context.state.cancel);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].caption, "Fehler : ");

  context.state.cancel = false;
  EXPECT_FALSE(WriteOneLine(context, 12));  // targets above 9 write nothing
}

}  // namespace
}  // namespace kalo::testing
