// Named print settings in "printout.dbf", checked with a dBase reader of its own.
#include <gtest/gtest.h>

#include <fstream>

#include "dbase/dbf_table.h"
#include "dbase/table_browser_form.h"
#include "print/print_form.h"
#include "print/printout_table.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

using Lines = std::vector<std::string>;

class PrintoutTableTest : public ::testing::Test {
 protected:
  PrintoutTableTest() {
    context.state.startupDirectory = dir.Path();
    EXPECT_EQ(Python({"make", Table()}), 0);
  }

  std::string Table() const { return dir.File("printout.dbf"); }

  int Python(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(),
                     {"/usr/bin/python3", std::string(KALO_SOURCE_DIR) + "/tests/print/printout_table.py"});
    return RunProcess(dir.Path(), arguments, {}).exitCode;
  }

  // The records as the reader sees them.
  Lines Records() {
    std::string out = dir.File("records.txt");
    EXPECT_EQ(Python({"dump", Table(), out}), 0);
    Lines lines;
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  void Store(PrintForm& form, const std::string& name) {
    test.ui.texts.push_back(name);
    form.StoreClick();
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

TEST_F(PrintoutTableTest, ANewNameIsAddedAsARecordOfItsOwn) {
  PrintForm form(context, {0.5L, 0.25L, 21, 3, true, true});
  form.coloursChoice = 0;
  form.fitToPage = true;
  Store(form, "Halbe Seite");
  EXPECT_EQ(test.ui.prompts, Lines{"Name"});
  EXPECT_EQ(Records(), (Lines{"A4 quer|1.5|0.75|10|20|TFTF", "Zeichnung|1.9|1|0|0|FTFT",
                              "Halbe Seite|0.5|0.25|21|3|TTTT"}));
}

TEST_F(PrintoutTableTest, AKnownNameIsReplacedOnlyAfterYes) {
  PrintForm form(context, {2, 3, 4, 5, false, false});
  form.coloursChoice = 1;
  test.ui.answers = {Answer::No};
  Store(form, "a4 QUER ");
  EXPECT_EQ(Records()[0], "A4 quer|1.5|0.75|10|20|TFTF");
  test.ui.answers = {Answer::Yes};
  Store(form, "  a4 quer");
  ASSERT_EQ(test.ui.questions.size(), 2u);
  EXPECT_EQ(Records(), (Lines{"a4 quer|2|3|4|5|FFFF", "Zeichnung|1.9|1|0|0|FTFT"}));
}

TEST_F(PrintoutTableTest, APickedRecordFillsTheControlsAndIsOfferedAgainNextTime) {
  PrintForm form(context, {});
  std::vector<int> shownRows;
  test.ui.onTableBrowser = [&](TableBrowserForm& browser) {
    EXPECT_EQ(browser.mi_structure, "Printout");
    EXPECT_TRUE(browser.Editable());
    shownRows.push_back(browser.CurrentRow());
    browser.CellClick(2, 1);
    return true;
  };
  context.state.cancel = true;
  form.DatabaseClick();
  EXPECT_EQ(form.scaleX, "1.9000");
  EXPECT_EQ(form.scaleY, "1.0000");
  EXPECT_EQ(form.originX, "0");
  EXPECT_EQ(form.orientationChoice, 0);
  EXPECT_EQ(form.coloursChoice, 0);  // monochrome
  EXPECT_FALSE(form.fitToPage);
  EXPECT_TRUE(form.border);
  EXPECT_EQ(context.state.helpNumber, PrintForm::kTableHelpNumber);
  EXPECT_EQ(context.print.takenOverRecord, 2);
  EXPECT_FALSE(context.state.cancel);

  // Cancelled the next time: the browser stood on the record taken before; nothing changes.
  form.scaleX = "3";
  test.ui.onTableBrowser = [&](TableBrowserForm& browser) { return shownRows.push_back(browser.CurrentRow()), false; };
  form.DatabaseClick();
  EXPECT_EQ(shownRows, (std::vector<int>{1, 2}));
  EXPECT_EQ(form.scaleX, "3");
  EXPECT_FALSE(context.state.cancel);
  ASSERT_TRUE(form.OkClick());
  EXPECT_EQ(context.print.settings.scaleX, 3.0L);
}

TEST_F(PrintoutTableTest, CancelledNameOrMissingTableStoresNothing) {
  PrintForm form(context, {});
  form.StoreClick();  // no name given
  EXPECT_EQ(Records().size(), 2u);
  EXPECT_FALSE(context.state.cancel);  // the dialog stays open
  WriteBytes(Table(), "no table");
  Store(form, "X");
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text.rfind("DBF Error 3", 0), 0u) << test.ui.messages[0].text;
}

}  // namespace
}  // namespace kalo::testing
