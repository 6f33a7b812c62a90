#include "dbase/dbf_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "dbase/dbf_test_tables.h"
#include "platform/codepage.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace kalo {
namespace {

using testing::BuildDbf;
using testing::ReadBytes;
using testing::ReferenceLines;
using testing::TempDir;
using testing::WriteBytes;

const std::vector<testing::TestField> kFields = {{"NAME", 'C', 12}, {"DICHTE", 'N', 8, 3}, {"AKTIV", 'L', 1}};

std::string Utf8(const std::string& cp850) { return Cp850ToUtf8(cp850); }

// The names of the records in the order the table walks them.
std::vector<std::string> WalkedNames(DbfTable& table) {
  std::vector<std::string> names;
  for (table.First(); !table.Eof(); table.Next()) names.push_back(Utf8(table.FieldText(1)));
  return names;
}

class DbfTableTest : public ::testing::Test {
 protected:
  std::string Table(const std::vector<std::vector<std::string>>& records, const std::string& name = "t.dbf") {
    std::string path = dir.File(name);
    WriteBytes(path, BuildDbf(kFields, records));
    return path;
  }

  TempDir dir;
  DbfTable table;
};

TEST_F(DbfTableTest, ReadsATableWrittenByTheDbfPackage) {
  std::string path = testing::MakeReferenceTable(dir.Path(), "ref.dbf", true);
  ASSERT_TRUE(table.Open(path)) << table.ErrorText();
  EXPECT_EQ(table.FieldCount(), 6);
  EXPECT_EQ(table.FieldName(2), "DICHTE");
  EXPECT_EQ(table.FieldIndex("dichte"), 2);
  EXPECT_EQ(table.FieldName(7), "");
  EXPECT_EQ(table.RecordCount(), 3);
  EXPECT_EQ(table.RecNo(), 1);
  EXPECT_EQ(table.FieldText("name"), "Stahl");
  EXPECT_EQ(table.FieldText(2), "7.850");
  EXPECT_EQ(table.FieldText("MENGE"), "12");
  EXPECT_TRUE(table.FieldBool("aktiv"));
  EXPECT_EQ(table.FieldText("datum"), "20261207");
  EXPECT_EQ(table.FieldText("notiz"), Oem("lange Notiz über Stahl"));
  table.Next();
  EXPECT_TRUE(table.IsDeleted());
  EXPECT_FALSE(table.FieldBool("aktiv"));
  table.Next();
  EXPECT_EQ(table.FieldText(1), Oem("Grauguß"));
  EXPECT_EQ(table.FieldText("datum"), "");
  table.Next();
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.RecNo(), 3);
}

TEST_F(DbfTableTest, ChangesReachTheFileAsDbfreadReadsThem) {
  std::string path = testing::MakeReferenceTable(dir.Path(), "ref.dbf", false);
  ASSERT_TRUE(table.Open(path));
  ASSERT_TRUE(table.SetFieldText("name", Oem("Weißblech")));
  ASSERT_TRUE(table.SetFieldText("dichte", "7,8"));
  ASSERT_TRUE(table.SetFieldBool("aktiv", false));
  EXPECT_TRUE(table.Modified());
  ASSERT_TRUE(table.Post()) << table.ErrorText();
  ASSERT_TRUE(table.Append());
  EXPECT_EQ(table.RecNo(), 4);
  ASSERT_TRUE(table.SetFieldText(1, Oem("Zähes Öl <&>")));
  ASSERT_TRUE(table.SetFieldText(3, "-5"));
  table.First();  // posts the pending edits
  ASSERT_TRUE(table.Go(3));
  ASSERT_TRUE(table.Delete());
  table.Close();

  EXPECT_EQ(ReferenceLines(dir.Path(), "dump", path),
            (std::vector<std::string>{"NAME\tDICHTE\tMENGE\tAKTIV\tDATUM",
                                      "R\tWeißblech\t7.8\t12\tF\t20261207",
                                      "R\tZähes Öl <&>\t\t-5\t\t",
                                      "D\tMessing\t8.4\t3\tF\t20250131",
                                      "D\tGrauguß\t7.25\t0\tT\t"}));
}

TEST_F(DbfTableTest, PackKeepsTheOtherRecordsInOrder) {
  std::string path = Table({{"eins", "1", "T"}, {"*", "zwei", "2"}, {"drei", "3"}, {"*", "vier"}, {"fünf"}});
  ASSERT_TRUE(table.Open(path));
  table.Last();
  ASSERT_TRUE(table.Pack()) << table.ErrorText();
  EXPECT_EQ(table.RecordCount(), 3);
  EXPECT_EQ(table.RecNo(), 1);
  table.Close();
  EXPECT_EQ(ReferenceLines(dir.Path(), "dump", path),
            (std::vector<std::string>{"NAME\tDICHTE\tAKTIV", "R\teins\t1\tT", "R\tdrei\t3\t", "R\tfünf\t\t"}));
}

TEST_F(DbfTableTest, DelimitedTextAndAnotherTableAppendTheSameRecords) {
  std::string source = testing::MakeReferenceTable(dir.Path(), "ref.dbf", true);
  ASSERT_TRUE(table.Open(source));
  table.SetHideDeleted(true);
  ASSERT_TRUE(table.ExportDelimited(dir.File("ref.txt")));
  table.Close();
  EXPECT_EQ(ReadBytes(dir.File("ref.txt")),
            "\"Stahl\",7.850,12,T,20261207\r\n\"Graugu\xDF\",7.250,0,T,\r\n");

  std::vector<testing::TestField> fields = {{"NAME", 'C', 12}, {"DICHTE", 'N', 8, 3}, {"MENGE", 'N', 5},
                                            {"AKTIV", 'L', 1}, {"DATUM", 'D', 8}};
  WriteBytes(dir.File("a.dbf"), BuildDbf(fields, {{"vorher"}}));
  WriteBytes(dir.File("b.dbf"), BuildDbf(fields, {{"vorher"}}));
  ASSERT_TRUE(table.Open(dir.File("a.dbf")));
  ASSERT_TRUE(table.AppendDelimited(dir.File("ref.txt"))) << table.ErrorText();
  EXPECT_EQ(table.RecNo(), 2);
  table.Close();
  ASSERT_TRUE(table.Open(dir.File("b.dbf")));
  ASSERT_TRUE(table.AppendTable(source)) << table.ErrorText();
  table.Close();

  std::vector<std::string> expected = {"NAME\tDICHTE\tMENGE\tAKTIV\tDATUM", "R\tvorher\t\t\t\t",
                                       "R\tStahl\t7.85\t12\tT\t20261207", "R\tGrauguß\t7.25\t0\tT\t"};
  EXPECT_EQ(ReferenceLines(dir.Path(), "dump", dir.File("a.dbf")), expected);
  EXPECT_EQ(ReferenceLines(dir.Path(), "dump", dir.File("b.dbf")), expected);
}

TEST_F(DbfTableTest, DelimitedLinesKeepCommasAndQuotesInsideTexts) {
  ASSERT_TRUE(table.Open(Table({{"a \"b\", c", "1.5", "F"}})));
  ASSERT_TRUE(table.ExportDelimited(dir.File("x.txt")));
  EXPECT_EQ(ReadBytes(dir.File("x.txt")), "\"a \"\"b\"\", c\",1.5,F\r\n");
  ASSERT_TRUE(table.AppendDelimited(dir.File("x.txt")));
  EXPECT_EQ(table.FieldText(1), "a \"b\", c");
  EXPECT_EQ(table.FieldText(2), "1.500");
}

TEST_F(DbfTableTest, AFaultyAppendChangesNothing) {
  std::string path = Table({{"eins", "1"}});
  std::string before = ReadBytes(path);
  WriteBytes(dir.File("bad.txt"), "\"gut\",2\r\n\"schlecht\",zwei\r\n");
  ASSERT_TRUE(table.Open(path));
  EXPECT_FALSE(table.AppendDelimited(dir.File("bad.txt")));
  EXPECT_EQ(table.ErrorCode(), kDbfBadValue);
  EXPECT_NE(table.ErrorText().find("Zeile 2"), std::string::npos);
  EXPECT_FALSE(table.AppendDelimited(dir.File("missing.txt")));
  EXPECT_EQ(table.ErrorCode(), kDbfDelimitedUnreadable);
  EXPECT_FALSE(table.AppendTable(dir.File("missing.dbf")));
  EXPECT_EQ(table.RecordCount(), 1);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(DbfTableTest, AnIndexOrdersNavigationAndKeepsUpWithChanges) {
  ASSERT_TRUE(table.Open(Table({{"Zinn", "7.3"}, {"Blei", "11.3"}, {"*", "Alu", "2.7"}, {"Kupfer", "8.9"}, {"Eisen", "7.9"}})));
  ASSERT_TRUE(table.CreateIndex(1));
  EXPECT_EQ(WalkedNames(table), (std::vector<std::string>{"Alu", "Blei", "Eisen", "Kupfer", "Zinn"}));
  table.SetHideDeleted(true);
  EXPECT_EQ(WalkedNames(table), (std::vector<std::string>{"Blei", "Eisen", "Kupfer", "Zinn"}));
  ASSERT_TRUE(table.CreateIndex(2));
  EXPECT_EQ(WalkedNames(table), (std::vector<std::string>{"Zinn", "Eisen", "Kupfer", "Blei"}));
  table.First();
  ASSERT_TRUE(table.SetFieldText(2, "100"));
  ASSERT_TRUE(table.Post());
  EXPECT_EQ(WalkedNames(table), (std::vector<std::string>{"Eisen", "Kupfer", "Blei", "Zinn"}));
  table.First();
  table.Prior();
  EXPECT_TRUE(table.Bof());
  EXPECT_EQ(table.FieldText(1), "Eisen");
  EXPECT_EQ(table.ViewPosition(), 1);
  EXPECT_EQ(table.ViewCount(), 4);
  table.ClearIndex();
  EXPECT_EQ(WalkedNames(table), (std::vector<std::string>{"Zinn", "Blei", "Kupfer", "Eisen"}));
}

TEST_F(DbfTableTest, DeletingAShownRecordMovesOnWhenDeletedOnesAreHidden) {
  ASSERT_TRUE(table.Open(Table({{"a"}, {"b"}, {"c"}})));
  table.SetHideDeleted(true);
  table.Go(2);
  ASSERT_TRUE(table.Delete());
  EXPECT_EQ(table.FieldText(1), "c");
  ASSERT_TRUE(table.Delete());
  EXPECT_EQ(table.FieldText(1), "a");
  ASSERT_TRUE(table.Delete());
  EXPECT_EQ(table.RecNo(), 0);
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.ViewCount(), 0);
  table.SetHideDeleted(false);
  EXPECT_EQ(table.ViewCount(), 3);
}

TEST_F(DbfTableTest, SearchIgnoresCaseAndStaysPutWhenNothingIsFound) {
  ASSERT_TRUE(table.Open(Table({{"Stahl", "7.85"}, {"Messing", "8.4"}, {"Grauguß", "7.25"}, {"STAHLGUSS", "7.8"}})));
  ASSERT_TRUE(table.Search("stahl", false));
  EXPECT_EQ(table.RecNo(), 1);
  ASSERT_TRUE(table.Search("stahl", true));
  EXPECT_EQ(table.RecNo(), 4);
  EXPECT_FALSE(table.Search("stahl", true));
  EXPECT_EQ(table.RecNo(), 4);
  ASSERT_TRUE(table.Search(Oem("GRAUGUß"), false));
  EXPECT_EQ(table.RecNo(), 3);
  ASSERT_TRUE(table.Search("8.4", false));
  EXPECT_EQ(table.RecNo(), 2);
  EXPECT_FALSE(table.Search("Titan", false));
  EXPECT_EQ(table.RecNo(), 2);
  EXPECT_FALSE(table.Search("ahl    7", false));  // never across two fields
}

TEST_F(DbfTableTest, ValuesThatDoNotSuitTheFieldAreRefused) {
  ASSERT_TRUE(table.Open(Table({{"a", "1"}})));
  EXPECT_FALSE(table.SetFieldText("dichte", "zwei"));
  EXPECT_EQ(table.ErrorCode(), kDbfBadValue);
  EXPECT_FALSE(table.SetFieldText("dichte", "123456"));  // 123456.000 needs 10 places
  EXPECT_FALSE(table.SetFieldText("aktiv", "vielleicht"));
  EXPECT_FALSE(table.SetFieldText("fehlt", "x"));
  EXPECT_EQ(table.ErrorCode(), kDbfNoField);
  EXPECT_FALSE(table.Go(2));
  EXPECT_EQ(table.ErrorCode(), kDbfNoRecord);
  EXPECT_TRUE(table.SetFieldText("name", "ein sehr langer Name"));
  EXPECT_EQ(table.FieldText(1), "ein sehr lan");
  EXPECT_TRUE(table.SetFieldText("dichte", "-0.0004"));
  EXPECT_EQ(table.FieldText(2), "0.000");
  table.Cancel();
  EXPECT_EQ(table.FieldText(1), "a");
}

TEST_F(DbfTableTest, DamagedOrForeignFilesAreRefusedAndLeftAsTheyWere) {
  std::string good = BuildDbf(kFields, {{"a", "1"}, {"b", "2"}});
  auto with = [&good](size_t at, const std::string& bytes) { return std::string(good).replace(at, bytes.size(), bytes); };
  struct Case {
    const char* what;
    std::string bytes;
    int code;
  };
  std::vector<Case> cases = {
      {"empty file", "", kDbfNotDbase},
      {"foreign version", with(0, "\x30"), kDbfNotDbase},
      {"header length too short", with(8, std::string("\x20\x00", 2)), kDbfDamaged},
      {"header length beyond the file", with(8, std::string("\xFF\x7F", 2)), kDbfDamaged},
      {"header length inside a field", with(8, std::string("\x50\x00", 2)), kDbfDamaged},
      {"more records than the file holds", with(4, std::string("\x03\x00", 2)), kDbfDamaged},
      {"huge record count", with(4, "\xFF\xFF\xFF\xFF"), kDbfDamaged},
      {"record length below the fields", with(10, std::string("\x05\x00", 2)), kDbfDamaged},
      {"unknown field type", with(32 + 11, "X"), kDbfUnknownFieldType},
      {"logical field of width 3", with(96 + 16, "\x03"), kDbfDamaged},
      {"field without a name", with(32, std::string(1, '\0')), kDbfDamaged},
      {"no fields", BuildDbf({}, {}), kDbfNoFields},
      {"memo without memo file", BuildDbf({{"NOTIZ", 'M', 10}}, {{"1"}}), kDbfMemoMissing},
  };
  for (const Case& c : cases) {
    std::string path = dir.File("bad.dbf");
    WriteBytes(path, c.bytes);
    EXPECT_FALSE(table.Open(path)) << c.what;
    EXPECT_EQ(table.ErrorCode(), c.code) << c.what;
    EXPECT_FALSE(table.ErrorText().empty()) << c.what;
    EXPECT_FALSE(table.IsOpen()) << c.what;
    EXPECT_EQ(ReadBytes(path), c.bytes) << c.what;
  }
  EXPECT_FALSE(table.Open(dir.File("missing.dbf")));
  EXPECT_EQ(table.ErrorCode(), kDbfCannotRead);
  EXPECT_FALSE(table.Post());
  EXPECT_EQ(table.ErrorCode(), kDbfNotOpen);
}

TEST_F(DbfTableTest, ATableThatCannotBeWrittenStaysAsItWasOnDiskAndInMemory) {
  std::string path = Table({{"a", "1"}});
  std::string before = ReadBytes(path);
  testing::OpenToEveryone(dir.Path());
  ::chmod(path.c_str(), 0444);
  int result = testing::RunUnprivileged([&] {
    DbfTable readOnly;
    if (!readOnly.Open(path)) return 1;
    if (!readOnly.SetFieldText(1, "b") || readOnly.Post() || readOnly.ErrorCode() != kDbfCannotWrite) return 2;
    readOnly.Cancel();
    if (readOnly.FieldText(1) != "a") return 3;
    if (readOnly.Append() || readOnly.RecordCount() != 1 || readOnly.Delete() || readOnly.IsDeleted()) return 4;
    if (readOnly.Pack() || readOnly.RecordCount() != 1) return 5;
    return 0;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(path), before);

  ::chmod(path.c_str(), 0644);
  ::chmod(dir.Path().c_str(), 0555);
  result = testing::RunUnprivileged([&] {
    DbfTable inReadOnlyFolder;
    if (!inReadOnlyFolder.Open(path)) return 1;
    return inReadOnlyFolder.Append() ? 2 : 0;
  });
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(DbfTableTest, AFullDiskOrAFailedRenameLeavesTheOldTableAndNoOtherFile) {
  std::string path = Table({{"a", "1"}, {"*", "b", "2"}});
  std::string before = ReadBytes(path);
  for (FileStep step : {FileStep::kOpen, FileStep::kWrite, FileStep::kClose, FileStep::kRename}) {
    ASSERT_TRUE(table.Open(path));
    testing::FaultPlan plan({{step, ENOSPC}});
    EXPECT_FALSE(table.SetFieldText(1, "c") && table.Post());
    table.Cancel();
    EXPECT_FALSE(table.Append());
    EXPECT_FALSE(table.Pack());
    EXPECT_EQ(table.ErrorCode(), kDbfCannotWrite);
    EXPECT_GT(plan.injected, 0);
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.FieldText(1), "a");
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(testing::FolderEntries(dir.Path()), std::set<std::string>{"t.dbf"});
  }
}

}  // namespace
}  // namespace kalo
