#include "app/data_file_overview.h"

#include <gtest/gtest.h>

#include "model/data_file_folder.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class DataFileOverviewTest : public ::testing::Test {
 protected:
  DataFileOverviewTest() {
    context.state.dataDirectory = dir.Path();
    WriteDataFileOf(CylinderBody(50, 10, 2.7L, "Rohr", "R-2"), dir.File("a_rohr.kal"));
    WriteDataFileOf(CylinderBody(100, 20, 7.8L, "Welle", "W-1"), dir.File("b_welle.kal"));
    WriteBytes(dir.File("c_kaputt.kal"), "nur eine Zeile\r\n");
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

TEST_F(DataFileOverviewTest, ChoosingRowsOpensOneFileAfterTheOther) {
  std::vector<std::string> openedBefore;
  int shown = 0;
  test.ui.onDataFileTable = [&](DataFileOverviewForm& form) {
    openedBefore.push_back(context.state.currentFileName);
    ++shown;
    EXPECT_EQ(form.RowCount(), 4);
    EXPECT_EQ(form.caption, "KALO  " + dir.Path());
    if (shown == 1) {
      // After the scan the body is the last file read, but no file is current yet.
      EXPECT_EQ(context.body.texts.name, "Welle");
      EXPECT_FALSE(form.CellClick(0));  // the header opens nothing
      return form.CellClick(1);
    }
    if (shown == 2) {
      EXPECT_FALSE(form.CellClick(1));  // the file open now is not opened again
      return form.CellClick(2);
    }
    // Sorting moves the open file to another row; its row still counts as chosen.
    form.ColumnTitleClick(kColumnNumber);  // "R-2" before "W-1", the damaged row first
    EXPECT_EQ(form.Cell(3, kColumnFile), "b_welle.kal");
    EXPECT_FALSE(form.CellClick(3));
    return false;  // Exit
  };
  context.state.modified = false;
  FileOpenTable(context);
  EXPECT_EQ(openedBefore, (std::vector<std::string>{"", "a_rohr", "b_welle"}));
  EXPECT_EQ(context.state.currentFileName, "b_welle");
  EXPECT_EQ(context.body.texts.name, "Welle");
  EXPECT_FALSE(context.state.modified);
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(test.ui.mainCaptions.back(), ProgramTitleLine() + "  -  b_welle.kal");
}

TEST_F(DataFileOverviewTest, ChoosingADamagedFileReportsItAndEndsTheOverview) {
  int shown = 0;
  test.ui.onDataFileTable = [&](DataFileOverviewForm& form) {
    ++shown;
    EXPECT_EQ(form.Cell(3, kColumnName), DamagedFileMark());
    return form.CellClick(3);
  };
  FileOpenTable(context);
  EXPECT_EQ(shown, 1);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_NE(test.ui.messages[0].text.find("c_kaputt.kal"), std::string::npos);
  EXPECT_EQ(context.state.currentFileName, "");
}

TEST_F(DataFileOverviewTest, ARefusedSaveQueryScansNothing) {
  context.state.modified = true;
  context.state.currentFileName = "offen";
  context.body.texts.name = "ungespeichert";
  FileOpenTable(context);  // the question is answered with Cancel
  EXPECT_EQ(test.ui.questions.size(), 1u);
  EXPECT_EQ(context.body.texts.name, "ungespeichert");
  EXPECT_EQ(context.state.currentFileName, "offen");
  EXPECT_TRUE(test.ui.mainCaptions.empty());
}

}  // namespace
}  // namespace kalo::testing
