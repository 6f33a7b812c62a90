#include "datafile/data_file_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <map>

#include "model/data_file_folder.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class DataFileTableTest : public ::testing::Test {
 protected:
  DataFileTableTest() { context.state.dataDirectory = dir.Path(); }

  // b_welle: a steel cylinder 100 x r20; a_rohr: aluminium 50 x r10; c_kaputt: cut off
  // in its contour; d_pipe: a named pipe, which must not be waited for.
  void WriteMixedFolder() {
    WriteDataFileOf(CylinderBody(100, 20, 7.8L, Oem("Welle Ø40"), "W-1"), dir.File("b_welle.kal"));
    WriteDataFileOf(CylinderBody(50, 10, 2.7L, "Rohr", "R-2"), dir.File("a_rohr.kal"));
    std::string bytes = ReadBytes(dir.File("a_rohr.kal"));
    WriteBytes(dir.File("c_kaputt.kal"), bytes.substr(0, bytes.size() / 3));
    ASSERT_EQ(0, mkfifo(dir.File("d_pipe.kal").c_str(), 0600));
    WriteBytes(dir.File("notes.txt"), "no data file");
    std::filesystem::create_directory(dir.File("folder.kal"));
  }

  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    for (const TableRow& row : table.rows) texts.push_back(row[static_cast<size_t>(column)]);
    return texts;
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
  DataFileTable table;
};

TEST_F(DataFileTableTest, EveryDataFileGetsARowWithItsClosedFormResults) {
  WriteMixedFolder();
  ScanDataFiles(context, table);
  EXPECT_EQ(Column(kColumnFile), (std::vector<std::string>{"a_rohr.kal", "b_welle.kal", "c_kaputt.kal", "d_pipe.kal"}));
  // A = 2000 mm², V = pi r² L, m = V rho, Jx = m r² / 2.
  EXPECT_EQ(table.rows[1], (TableRow{"b_welle.kal", FileDateText(dir.File("b_welle.kal")), Oem("Welle Ø40"), "W-1", "4",
                                     "    2000.0", "  7.80", "    125664", "    0.980", "   0.00020"}));
  EXPECT_EQ(table.rows[0][5], "     500.0");
  EXPECT_EQ(table.rows[0][7], "     15708");
  EXPECT_EQ(table.rows[0][8], "    0.042");
  // Damaged and unreadable files are marked; no values of another file stand beside them.
  for (size_t r : {2u, 3u}) {
    EXPECT_EQ(table.rows[r][kColumnName], DamagedFileMark());
    for (int c = kColumnNumber; c < kTableColumns; ++c) EXPECT_EQ(table.rows[r][static_cast<size_t>(c)], "");
  }
  EXPECT_TRUE(test.ui.messages.empty());
  // The body is the last file read, without a name; the scan leaves no cancel behind.
  EXPECT_EQ(context.body.texts.name, Oem("Welle Ø40"));
  EXPECT_EQ(context.state.currentFileName, "");
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(test.ui.mainCaptions.front(), "a_rohr.kal -> " + ProgramTitleLine() + "  1/4");
}

TEST_F(DataFileTableTest, InchModeShowsAreaAndVolumeInInches) {
  context.config.units = 1;
  WriteDataFileOf(CylinderBody(100, 20, 7.8L, "W", "1"), dir.File("w.kal"));
  ScanDataFiles(context, table);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0][5], "    3.1000");   // 2000 / 645.16
  EXPECT_EQ(table.rows[0][7], "     7.6685");  // 125663.7 / 16387.064
  EXPECT_EQ(table.rows[0][9], "   0.00020");   // kg·m² either way
}

TEST_F(DataFileTableTest, TheFileDateIsWrittenWithSlashes) {
  WriteBytes(dir.File("x.kal"), "");
  struct tm noon {};
  noon.tm_year = 2025 - 1900;
  noon.tm_mon = 2;
  noon.tm_mday = 4;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  std::filesystem::last_write_time(dir.File("x.kal"),
                                   std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(mktime(&noon))));
  EXPECT_EQ(FileDateText(dir.File("x.kal")), "2025/03/04");
  EXPECT_EQ(FileDateText(dir.File("missing.kal")), "");
}

TEST_F(DataFileTableTest, SortingByAColumnKeepsRowsWholeAndTheHeaderApart) {
  WriteMixedFolder();
  WriteDataFileOf(CylinderBody(10, 30, 1.0L, "Scheibe", "A-0"), dir.File("e_scheibe.kal"));
  ScanDataFiles(context, table);
  std::map<std::string, TableRow> byFile;
  for (const TableRow& row : table.rows) byFile[row[kColumnFile]] = row;
  TableRow header = table.header;
  for (int column = kTableColumns - 1; column >= 0; --column) {
    table.SortByColumn(column);
    std::vector<std::string> texts = Column(column);
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end())) << column;
    for (const TableRow& row : table.rows) EXPECT_EQ(row, byFile[row[kColumnFile]]);
  }
  EXPECT_EQ(table.header, header);
  EXPECT_EQ(table.header[0], "File");
  // Equal texts keep the order of the previous sort: the damaged rows' empty "No" cells
  // stay in file order after sorting by file.
  table.SortByColumn(kColumnNumber);
  EXPECT_EQ(table.rows[0][kColumnFile], "c_kaputt.kal");
  EXPECT_EQ(table.rows[1][kColumnFile], "d_pipe.kal");
}

TEST_F(DataFileTableTest, AnEmptyFolderGivesNoRowsAndKeepsTheBody) {
  context.body.texts.name = "vorher";
  ScanDataFiles(context, table);
  EXPECT_TRUE(table.rows.empty());
  EXPECT_EQ(context.body.texts.name, "vorher");
}

TEST_F(DataFileTableTest, EscStopsTheScanWithTheRowsReadSoFar) {
  for (const char* name : {"a.kal", "b.kal", "c.kal"}) WriteDataFileOf(CylinderBody(10, 5, 7.8L, name, ""), dir.File(name));
  int steps = 0;
  test.ui.onLongStep = [&steps] { return ++steps < 3; };
  ScanDataFiles(context, table);
  EXPECT_EQ(Column(kColumnFile), (std::vector<std::string>{"a.kal", "b.kal"}));
  EXPECT_FALSE(context.state.cancel);
}

TEST_F(DataFileTableTest, AFileTheUserMayNotReadIsMarked) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  WriteDataFileOf(CylinderBody(10, 5, 7.8L, "geheim", ""), dir.File("geheim.kal"));
  chmod(dir.File("geheim.kal").c_str(), 0);
  ScanDataFiles(context, table);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0][kColumnName], DamagedFileMark());
  EXPECT_TRUE(test.ui.messages.empty());
}

}  // namespace
}  // namespace kalo::testing
