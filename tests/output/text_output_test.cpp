// Layout of the text output channel: result line columns, separators, page headers and
// page breaks, as they reach the file of target 8.
#include <algorithm>

#include "output/line_layout.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "report/report_fixture.h"

namespace kalo::testing {
namespace {

using TextOutputTest = ReportTest;

std::string Numbered(int i) {
  std::string text = "L";
  text += std::to_string(i);
  return text;
}

size_t CountOf(const std::vector<std::string>& lines, const std::string& text) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), text));
}

size_t IndexOf(const std::vector<std::string>& lines, const std::string& text) {
  return static_cast<size_t>(std::find(lines.begin(), lines.end(), text) - lines.begin());
}

TEST_F(TextOutputTest, ResultLinePutsSymbolUnitAndValueAtTheirColumns) {
  context.config.separatorStyle = SeparatorStyle::Ascii;
  TextOutput output = OpenDosFile();
  output.ResultLine(Oem("Querschnittsfläche xy"), "Axy", Oem("mm²"), "1000");
  ASSERT_TRUE(output.Close());
  std::vector<std::string> lines = DosLines();
  ASSERT_EQ(lines.size(), 2u);
  // Columns 42, 51 and 63 of the written line: 35, 44 and 56 after the seven blanks.
  EXPECT_EQ(lines[0].find("Axy"), 41u);
  EXPECT_EQ(lines[0].find(Oem("mm²")), 50u);
  EXPECT_EQ(lines[0].find("1000"), 62u);
  EXPECT_EQ(lines[0].size(), 7u + 72u);
  EXPECT_EQ(lines[1], "       " + std::string(70, '-'));
}

TEST_F(TextOutputTest, LongFieldsPushLaterOnesRightAndTheLineIsCutAt72) {
  std::string label(40, 'L');
  std::string line = ResultLineText(label, "Sym", "Unit", "12345678901234567890");
  EXPECT_EQ(line.size(), 72u);
  EXPECT_EQ(line.find("Sym"), 40u);
  EXPECT_EQ(line.find("Unit"), 43u);
  EXPECT_EQ(line.substr(55), "12345678901234567");
}

TEST_F(TextOutputTest, CompressedStyleWritesNoSeparatorsAndEndsOnlyHalfFullPages) {
  context.config.separatorStyle = SeparatorStyle::Compressed;
  context.config.linesPerPage = 20;
  TextOutput output(context);
  ASSERT_TRUE(output.Open(kTargetScreen));
  output.ResultLine("Masse", "m", "kg", "2");
  output.Separator(SeparatorKind::Thick);
  output.EndPage();  // 1 line of 20: the page goes on
  for (int i = 0; i < 9; ++i) output.Line("x");
  output.EndPage();  // 10 lines of 20: the page ends
  ASSERT_TRUE(output.Close());
  ASSERT_EQ(test.ui.shownTextFiles.size(), 1u);
  std::vector<std::string> lines = FileLines(test.ui.shownTextFiles[0].path);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines.back(), "\f");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "\f"), 1);
}

TEST_F(TextOutputTest, FormFeedModeBreaksBeforeTheLineThatFillsThePage) {
  context.config.linesPerPage = 60;
  context.config.printoutHeader = PrintoutHeader::FirstPageOnly;
  TextOutput output = OpenDosFile();
  for (int i = 1; i <= 130; ++i) output.Line(Numbered(i));
  ASSERT_TRUE(output.Close());
  std::vector<std::string> lines = DosLines();
  ASSERT_EQ(lines.size(), 132u);
  EXPECT_EQ(lines[58], "       L59");
  EXPECT_EQ(lines[59], "\f");
  EXPECT_EQ(lines[60], "       L60");
  // The line that broke the page is the first of the next one: 59 lines per page.
  EXPECT_EQ(lines[118], "       L118");
  EXPECT_EQ(lines[119], "\f");
}

TEST_F(TextOutputTest, HeaderRepeatsOnEveryPageWithThePageNumber) {
  context.config.linesPerPage = 20;
  context.config.printoutHeader = PrintoutHeader::EveryPage;
  context.config.separatorStyle = SeparatorStyle::Ascii;
  TextOutput output(context);
  output.SetHeaderTexts({"Titel", "Zeile 1", "Zeile 2", "Zeile 3", ""});
  ASSERT_TRUE(output.Open(kTargetWindowsPrinter));
  output.PageHeader();
  for (int i = 1; i <= 30; ++i) output.Line(Numbered(i));
  ASSERT_TRUE(output.Close());
  ASSERT_EQ(test.ui.printedTextFiles.size(), 1u);
  WriteBytes(dir.File("printed"), test.ui.printedTextFiles[0].content);
  std::vector<std::string> lines = FileLines(dir.File("printed"));
  size_t firstBreak = IndexOf(lines, "\f");
  ASSERT_LT(firstBreak, lines.size());
  // The header has 9 lines, so the 20th line of the page is L11.
  EXPECT_EQ(lines[firstBreak - 1], "       L10");
  EXPECT_NE(lines[firstBreak + 2].find("Bl. 2"), std::string::npos);
  EXPECT_EQ(lines[firstBreak + 10], "       ");
  EXPECT_EQ(lines[firstBreak + 11], "       L11");
  EXPECT_FALSE(FileExists(test.ui.printedTextFiles[0].path));
}

TEST_F(TextOutputTest, PageHeaderFramesTitleDateTimeAndFile) {
  context.config.separatorStyle = SeparatorStyle::Ascii;
  context.config.headerSpaceLines = 2;
  context.config.dateCode = DateCode::YearMonthDay;
  TextOutput output(context);
  output.SetHeaderTexts({"KALO Titel", "Bemerkung 1", "", "Bemerkung 3", "Zeile fuenf"}, 3);
  output.Open(kTargetDosFile);
  output.PageHeader();
  ASSERT_TRUE(output.Close());
  std::vector<std::string> lines = DosLines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "       ");
  EXPECT_EQ(lines[2], "       " + std::string(70, '*'));
  std::string title = lines[3].substr(7);
  EXPECT_EQ(title.size(), 72u);
  EXPECT_EQ(title[0], '*');
  EXPECT_EQ(title[69], '*');
  EXPECT_EQ(title.find("KALO Titel"), 5u);
  EXPECT_EQ(title.find("Bl. 1/ 3"), 59u);
  std::string date = lines[4].substr(7);
  EXPECT_EQ(date.find("2026/12/07"), 52u);
  EXPECT_EQ(date.find("9:05"), 63u);
  EXPECT_EQ(lines[5].substr(7).find("/daten/welle.kal"), 5u);
  EXPECT_EQ(lines[7].substr(12).find("Bemerkung 1"), 0u);
  EXPECT_EQ(lines[10].substr(12).find("Zeile fuenf"), 0u);
  EXPECT_EQ(lines[11], "       " + std::string(70, '*'));
}

TEST_F(TextOutputTest, PageHeaderWithoutTotalAndForACommandLineFile) {
  context.state.commandLineFile = true;
  context.state.dataDirectory.clear();
  TextOutput output(context);
  output.SetHeaderTexts({"T", "", "", "", ""});
  output.Open(kTargetDosFile);
  output.PageHeader();
  output.PageHeader();
  ASSERT_TRUE(output.Close());
  std::vector<std::string> lines = DosLines();
  ASSERT_EQ(lines.size(), 18u);  // text 5 is empty: 9 lines per header
  EXPECT_EQ(lines[1].find("Bl. 1"), 7u + 63u);
  EXPECT_EQ(lines[10].find("Bl. 2"), 7u + 63u);
  EXPECT_EQ(lines[3].substr(12, 9), "welle.kal");
}

TEST_F(TextOutputTest, OmitMarkerIsNeverWritten) {
  TextOutput output = OpenDosFile();
  output.Line("$!$");
  output.Line("a");
  ASSERT_TRUE(output.Close());
  EXPECT_EQ(DosLines(), std::vector<std::string>{"       a"});
  EXPECT_EQ(CountOf(DosLines(), "$!$"), 0u);
}

}  // namespace
}  // namespace kalo::testing
