// Workbooks written and read back, and a workbook that cannot be written: the old file
// stays, nothing is left beside it, and the cause is given.
#include "office/xlsx/xlsx_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "office/xlsx/xlsx_reader.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

WorkbookCells ColumnA(const std::vector<std::string>& texts) {
  WorkbookCells cells;
  for (size_t row = 0; row < texts.size(); ++row) cells[{static_cast<int>(row) + 1, 1}] = {texts[row], false, ""};
  return cells;
}

TEST(XlsxWriter, ColumnAComesBackAsWritten) {
  TempDir dir;
  Outcome written = WriteWorkbook(dir.File("book.xlsx"), ColumnA({"KALO", "Maße ü", "", "7.85"}), dir.Path());
  ASSERT_TRUE(written) << written.Message();
  std::vector<std::string> texts;
  Outcome read = ReadWorkbookColumn(dir.File("book.xlsx"), 1, texts);
  ASSERT_TRUE(read) << read.Message();
  EXPECT_EQ(texts, (std::vector<std::string>{"KALO", "Maße ü", "", "7.85"}));
  EXPECT_EQ(FolderEntries(dir.Path()), (std::set<std::string>{"book.xlsx"}));
}

TEST(XlsxWriter, AWorkbookThatCannotTakeItsPlaceLeavesTheOldOneAndNoTemporaryFile) {
  TempDir dir;
  // The target is a folder with a file in it: the finished workbook cannot be renamed there.
  std::filesystem::create_directory(dir.File("book.xlsx"));
  WriteBytes(dir.File("book.xlsx/keep"), "old");
  EXPECT_FALSE(WriteWorkbook(dir.File("book.xlsx"), ColumnA({"KALO"}), dir.Path()).Message().empty());
  EXPECT_EQ(FolderEntries(dir.Path()), (std::set<std::string>{"book.xlsx"}));
  EXPECT_EQ(FolderEntries(dir.File("book.xlsx")), (std::set<std::string>{"keep"}));
}

TEST(XlsxWriter, AMissingFolderIsReportedAndNothingIsMade) {
  TempDir dir;
  EXPECT_FALSE(WriteWorkbook(dir.File("gone/book.xlsx"), ColumnA({"KALO"}), dir.Path()).Message().empty());
  EXPECT_TRUE(FolderEntries(dir.Path()).empty());
}

}  // namespace
}  // namespace kalo::testing
