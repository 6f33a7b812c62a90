#include "report/text_printout.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "report/text_window_form.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

using testing::TempDir;
using testing::TestContext;

std::vector<std::string> Texts(const PrintedPage& page) {
  std::vector<std::string> texts;
  for (const PrintedLine& line : page.lines) texts.push_back(std::to_string(line.row) + ":" + line.text);
  return texts;
}

TEST(TextPrintout, PagesAreCountedByFormFeedsAndALastPageWithText) {
  EXPECT_EQ(CountPages({}), 1);
  EXPECT_EQ(CountPages({"a", "\f"}), 1);             // a report that ends its last page
  EXPECT_EQ(CountPages({"a", "\f", "   ", ""}), 1);   // blank lines make no page
  EXPECT_EQ(CountPages({"a", "\f", "b", "\f", "c"}), 3);  // the last page has no form feed
  EXPECT_EQ(CountPages({"\f", "a"}), 2);             // an empty first page still counts
}

TEST(TextPrintout, OnlyPagesOfTheRangeArePrintedEachStartingAtTheTop) {
  std::vector<std::string> report = {"a1", "a2", "\f", "b1", "\f", "", "c2", "c3"};

  std::vector<PrintedPage> all = PagesToPrint(report, {1, 3});
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(Texts(all[0]), (std::vector<std::string>{"0:a1", "1:a2"}));
  EXPECT_EQ(Texts(all[2]), (std::vector<std::string>{"0:", "1:c2", "2:c3"}));

  std::vector<PrintedPage> tail = PagesToPrint(report, {2, 9});  // a range beyond the report ends with it
  ASSERT_EQ(tail.size(), 2u);
  EXPECT_EQ(tail[0].number, 2);
  EXPECT_EQ(Texts(tail[0]), (std::vector<std::string>{"0:b1"}));
  EXPECT_EQ(tail[1].number, 3);

  std::vector<PrintedPage> empty = PagesToPrint({"a", "\f", "\f", "c"}, {2, 2});  // a page without lines
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_TRUE(empty[0].lines.empty());
}

TEST(TextPrintout, PagesAbove255AreNeverPrinted) {
  std::vector<std::string> report;
  for (int page = 1; page <= 300; ++page) report.insert(report.end(), {"page " + std::to_string(page), "\f"});
  EXPECT_EQ(CountPages(report), 300);
  std::vector<PrintedPage> pages = PagesToPrint(report, {250, 300});
  ASSERT_EQ(pages.size(), 6u);
  EXPECT_EQ(pages.back().number, 255);
  EXPECT_EQ(pages.back().lines[0].text, "page 255");
  EXPECT_TRUE(PagesToPrint(report, {256, 300}).empty());
}

TEST(TextPrintout, LineHeightAndFontFollowTheConfiguration) {
  EXPECT_EQ(PrinterLineHeight(6650, 66), 100);  // integer division
  EXPECT_EQ(PrinterLineHeight(6650, 0), 6650);  // a broken setting never divides by zero

  Configuration config;
  config.textFontPrintout = "Courier New";
  config.textSizePrintout = 12;
  config.textStylePrintout = 1 + 4;
  PrintoutFont boldUnderlined = PrintoutFontOf(config);
  EXPECT_EQ(boldUnderlined.name, "Courier New");
  EXPECT_EQ(boldUnderlined.pointSize, 12);
  EXPECT_TRUE(boldUnderlined.bold && boldUnderlined.underline);
  EXPECT_FALSE(boldUnderlined.italic || boldUnderlined.strikeOut);
  config.textStylePrintout = 2 + 8;
  PrintoutFont italicStruck = PrintoutFontOf(config);
  EXPECT_TRUE(italicStruck.italic && italicStruck.strikeOut);
  EXPECT_FALSE(italicStruck.bold || italicStruck.underline);
}

TEST(TextPrintout, ReportFilesAreShownInEitherCodePage) {
  TempDir dir;
  TestContext test;
  std::string oem = Oem("Querschnittsfläche 20 mm²"), shown = "Querschnittsfläche 20 mm²";
  testing::WriteBytes(dir.File("oem.txt"), oem + "\r\n\f\r\n");
  testing::WriteBytes(dir.File("outwin.txt"), Cp850ToAnsi(oem) + "\r\n");
  std::vector<std::string> lines;

  ASSERT_TRUE(ReadShownLines(test.context, dir.File("oem.txt"), false, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{shown, "\f"}));
  ASSERT_TRUE(ReadShownLines(test.context, dir.File("outwin.txt"), true, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{shown}));

  EXPECT_FALSE(ReadShownLines(test.context, dir.File("gone.txt"), false, lines));
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, dir.File("gone.txt") + " not found !");
}

TEST(TextWindowForm, ShowsTheReportRemembersItsPlaceAndExportsToTheTextProgram) {
  TempDir dir;
  TestContext test;
  Context& context = test.context;
  std::string path = dir.File("outwin.txt"), program = dir.File("editor");
  testing::WriteBytes(path, Cp850ToAnsi(Oem("Masse\r\nLänge\r\n")));
  testing::WriteBytes(program, "");

  TextWindowForm form(context, path);
  ASSERT_TRUE(form.Loaded());
  EXPECT_EQ(form.caption, "KALO " + path);
  EXPECT_EQ(form.Memo1, "Masse\nLänge");
  EXPECT_EQ(form.StoredRectangle()->width, 700);

  form.FormClose({5, 6, 800, 500});
  EXPECT_EQ(context.config.textWindowLeft, 5);
  EXPECT_EQ(context.config.textWindowHeight, 500);
  context.config.textWindowWidth = 0;
  EXPECT_FALSE(form.StoredRectangle().has_value());  // a zero size leaves the placing to the window system

  context.config.textProgram = program;
  form.mi_exportNotepadClick();
  EXPECT_EQ(test.platform.startedPrograms, (std::vector<std::string>{program + " " + path}));
  context.config.textProgram = dir.File("missing");
  form.mi_exportNotepadClick();
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, dir.File("missing") + " not found");

  EXPECT_FALSE(TextWindowForm(context, dir.File("none.txt")).Loaded());
}

}  // namespace
}  // namespace kalo
