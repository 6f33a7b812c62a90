// The tables shipped in data/, read by python3-dbfread and by the program's engine.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "context/material_record.h"
#include "dbase/dbf_table.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

const std::string kData = std::string(KALO_SOURCE_DIR) + "/data/";

// dbfread's reading: one line per record, fields separated by tabs, numbers as Python
// prints them, empty fields empty, texts in UTF-8.
std::vector<std::string> ReadByDbfread(const testing::TempDir& dir, const std::string& table) {
  const char* script =
      "import sys, dbfread\n"
      "out = open(sys.argv[2], 'w', encoding='utf-8', newline='\\n')\n"
      "for r in dbfread.DBF(sys.argv[1], encoding='cp1252'):\n"
      "    out.write('\\t'.join('' if v is None else str(v) for v in r.values()) + '\\n')\n";
  testing::ProcessResult result =
      testing::RunProcess(dir.Path(), {"/usr/bin/python3", "-c", script, kData + table, dir.File("rows.txt")}, {});
  EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  std::vector<std::string> lines;
  Outcome read = ReadTextLines(dir.File("rows.txt"), lines);
  EXPECT_TRUE(read) << read.Message();
  return lines;
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  for (std::string cell; std::getline(stream, cell, '\t');) cells.push_back(cell);
  while (cells.size() < 13) cells.push_back("");
  return cells;
}

long double Number(const std::string& text) { return text.empty() ? 0 : std::stold(text); }

TEST(ShippedTables, TheMaterialTableHoldsRealMaterialsAndTheEngineReadsWhatDbfreadReads) {
  testing::TempDir dir;
  std::vector<std::string> rows = ReadByDbfread(dir, "wst1base.dbf");
  ASSERT_GE(rows.size(), 40u);

  DbfTable table;
  ASSERT_TRUE(table.Open(kData + "wst1base.dbf")) << table.ErrorText();
  ASSERT_EQ(table.RecordCount(), static_cast<int>(rows.size()));
  EXPECT_EQ(table.FieldCount(), kMaterialFieldCount);
  std::set<std::string> keys;
  for (int n = 1; n <= table.RecordCount(); ++n) {
    std::vector<std::string> cells = Split(rows[n - 1]);
    ASSERT_TRUE(table.Go(n));
    MaterialRecord record = ReadMaterialRecord(table);
    EXPECT_TRUE(keys.insert(record.key).second) << "key twice: " << record.key;
    EXPECT_EQ(record.key, Utf8ToCp850(cells[0]));
    EXPECT_EQ(record.name, Utf8ToCp850(cells[1]));
    EXPECT_EQ(record.group, Utf8ToCp850(cells[2]));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(record.integers[i], Number(cells[3 + i])) << record.key;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(double(record.reals[i]), double(Number(cells[7 + i])), 1e-9) << record.key;
    EXPECT_NEAR(double(record.density), double(Number(cells[10])), 1e-9) << record.key;
    EXPECT_GE(record.density, 0.9L) << record.key;
    EXPECT_LE(record.density, 20.0L) << record.key;
    EXPECT_EQ(record.remarks[0], Utf8ToCp850(cells[11]));
    EXPECT_EQ(record.remarks[1], Utf8ToCp850(cells[12]));
  }
}

TEST(ShippedTables, ThePrintSettingsTableHoldsItsThreeSettings) {
  testing::TempDir dir;
  std::vector<std::string> rows = ReadByDbfread(dir, "printout.dbf");
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "A4 Hochformat ganze Seite\t1.0\t1.0\t0\t0\tFalse\tFalse\tTrue\tFalse",
                      "A4 Querformat\t1.0\t1.0\t0\t0\tTrue\tFalse\tTrue\tTrue",
                      Cp850ToUtf8(Oem("Halber Maßstab")) + "\t0.5\t0.5\t0\t0\tFalse\tTrue\tFalse\tTrue"}));
  DbfTable table;
  ASSERT_TRUE(table.Open(kData + "printout.dbf")) << table.ErrorText();
  const char* names[] = {"name", "xscale", "yscale", "xorigin", "yorigin", "landscape", "monochrom", "variable", "borderline"};
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(table.FieldName(n), names[n - 1]);
  ASSERT_TRUE(table.Go(3));
  EXPECT_EQ(table.FieldText(1), Oem("Halber Maßstab"));
  EXPECT_EQ(table.FieldText(2), "0.5000");
  EXPECT_TRUE(table.FieldBool("MONOCHROM"));
  EXPECT_FALSE(table.FieldBool("variable"));
}

}  // namespace
}  // namespace kalo
