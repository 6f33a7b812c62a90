// The table writer in its three forms: text columns, tab-separated lines, HTML table.
#include "output/table_writer.h"
#include "report/report_fixture.h"

namespace kalo::testing {
namespace {

class TableWriterTest : public ReportTest {
 protected:
  // A table of one row written as spreadsheet text; the lines of the file.
  std::vector<std::string> SpreadsheetTable(const std::vector<std::string>& headers, const std::vector<int>& widths,
                                            const std::vector<std::string>& row) {
    TextOutput output(context);
    EXPECT_TRUE(output.Open(kTargetSpreadsheet));
    TableWriter table(output, headers, widths);
    table.WriteRow(row);
    table.Close();
    EXPECT_TRUE(output.Close());
    return FileLines(Scratch("$$$" + std::to_string(context.textChannel.fileCounter) + ".txt"));
  }
};

TEST_F(TableWriterTest, TextColumnsAreCutOrFilledToTheirWidths) {
  context.config.separatorStyle = SeparatorStyle::Ascii;
  TextOutput output = OpenDosFile();
  TableWriter table(output, {"  i", "    phi deg"}, {3, 10});
  table.WriteRow({"  1", "45.0", "ignored"});
  table.SetRowSeparators(false);
  table.WriteRow({"  2", "a cell longer than ten"});
  table.Close();
  ASSERT_TRUE(output.Close());
  std::string thick = "       " + std::string(70, '='), thin = "       " + std::string(70, '-');
  EXPECT_EQ(DosLines(), (std::vector<std::string>{thick, "         i    phi de ", thick, "         145.0       ",
                                                  thin, "         2a cell lon ", thin}));
}

TEST_F(TableWriterTest, SpreadsheetRowsAreSeparatedByTabsAndAZeroWidthEndsTheColumns) {
  EXPECT_EQ(SpreadsheetTable({"  i", "x mm", "y mm"}, {3, 11, 11}, {"  1", "  100.000", "   10.000"}),
            (std::vector<std::string>{"  i\tx mm\ty mm", "  1\t  100.000\t   10.000"}));
  EXPECT_EQ(SpreadsheetTable({"Name", "Dichte", "Farbe"}, {8, 0, 5}, {"Stahl", "7.85", "grau"}),
            (std::vector<std::string>{"Name", "Stahl"}));
}

TEST_F(TableWriterTest, HtmlTableCentresHeadersAndRightAlignsAllButTheFirstColumn) {
  test.ui.texts = {dir.File("tabelle.htm")};
  TextOutput output(context);
  ASSERT_TRUE(output.Open(kTargetHtml));
  TableWriter table(output, {"Werkstoff", "rho"}, {10, 8});
  table.WriteRow({"Stahl", "7.85"});
  table.Close();
  ASSERT_TRUE(output.Close());
  EXPECT_EQ(FileLines(dir.File("tabelle.htm")),
            (std::vector<std::string>{"<TABLE BORDER = \"1\" WIDTH= \"100%\">",
                                      "<TR><TD><CENTER>Werkstoff</CENTER></TD><TD><CENTER>rho</CENTER></TD></TR>",
                                      "<TR><TD>Stahl</TD><TD><DIV ALIGN=RIGHT>7.85</DIV></TD></TR>", "</TABLE>",
                                      "</BODY>", "</HTML>"}));
}

}  // namespace
}  // namespace kalo::testing
