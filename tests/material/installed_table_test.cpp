// Opening the installed tables: where they are found, the write tests, the copies of tables
// the program may not change, and the positioning at the remembered record.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "material/dbf_fixture.h"
#include "material/installed_table.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"
#include "support/unprivileged.h"

namespace kalo {
namespace {

using testing::BuildDbf;
using testing::MaterialFields;
using testing::MaterialRow;

class InstalledTable : public ::testing::Test {
 protected:
  InstalledTable() {
    t.context.config.dbfDirectory = dir.Path();
    t.context.config.tempDirectory = dir.Path();
  }

  std::string Table() const { return dir.File("wst1base.dbf"); }
  void WriteTable(int records) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= records; ++i) rows.push_back(MaterialRow("K" + std::to_string(i), "Stoff", "7.850"));
    testing::WriteBytes(Table(), BuildDbf(MaterialFields(), rows));
  }

  testing::TempDir dir;
  testing::TestContext t;
  DbfTable table;
};

TEST_F(InstalledTable, FoundInTheConfiguredFolderElseInTheDataFolder) {
  testing::TempDir shipped;
  testing::WriteBytes(shipped.File("wst1base.dbf"), "x");
  EXPECT_EQ(InstalledTablePath(dir.Path(), "wst1base", {"/nonexistent", shipped.Path()}), shipped.File("wst1base.dbf"));
  WriteTable(1);
  EXPECT_EQ(InstalledTablePath(dir.Path(), "wst1base", {shipped.Path()}), Table());
  EXPECT_EQ(InstalledTablePath(dir.Path(), "printout", {shipped.Path()}), dir.File("printout.dbf"));
}

TEST_F(InstalledTable, AWritableTableIsOpenedWhereItIs) {
  WriteTable(2);
  ASSERT_TRUE(OpenInstalledTable(t.context, "wst1base", table));
  EXPECT_EQ(table.FileName(), Table());
  EXPECT_EQ(table.RecordCount(), 2);
  WarnWhenTableDirectoryReadOnly(t.context, "wst1base");
  EXPECT_TRUE(t.ui.messages.empty());
  // The write tests leave nothing behind.
  EXPECT_EQ(testing::FolderEntries(dir.Path()), (std::set<std::string>{"wst1base.dbf"}));
}

TEST_F(InstalledTable, MissingOrDamagedTablesAreReportedAndLeftAlone) {
  EXPECT_FALSE(OpenInstalledTable(t.context, "wst1base", table));
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0].text, "Datei " + Table() + " nicht gefunden oder kein Zugriffsrecht !");
  EXPECT_TRUE(t.context.state.cancel);

  const std::string damaged = BuildDbf(MaterialFields(), {MaterialRow("K1", "Stoff", "1")}).substr(0, 300);
  for (const std::string& bytes : {std::string("kein dBase"), damaged}) {
    testing::WriteBytes(Table(), bytes);
    t.ui.messages.clear();
    t.context.state.cancel = false;
    EXPECT_FALSE(OpenInstalledTable(t.context, "wst1base", table));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text.rfind("DBF Error ", 0), 0u) << t.ui.messages[0].text;
    EXPECT_TRUE(t.context.state.cancel);
    EXPECT_FALSE(table.IsOpen());
    EXPECT_EQ(testing::ReadBytes(Table()), bytes);
  }
}

// Runs as an unprivileged user, since root may write any file: a read-only table, then a
// table in a folder that takes no files. Each is opened from a copy in the scratch folder,
// edited there, and the original stays byte for byte as it was.
TEST_F(InstalledTable, ReadOnlyTablesAndFoldersAreWorkedOnInACopy) {
  std::string tableFolder = dir.File("dbf"), scratch = dir.File("tmp");
  ASSERT_EQ(mkdir(tableFolder.c_str(), 0777), 0);
  ASSERT_EQ(mkdir(scratch.c_str(), 0777), 0);
  testing::OpenToEveryone(dir.Path());
  testing::OpenToEveryone(tableFolder);
  testing::OpenToEveryone(scratch);
  std::string path = tableFolder + "/wst1base.dbf";
  testing::WriteBytes(path, BuildDbf(MaterialFields(), {MaterialRow("K1", "Stoff", "7.850")}));
  std::string original = testing::ReadBytes(path);

  auto editInCopy = [&](bool expectWarning) {
    return testing::RunUnprivileged([&] {
      testing::TestContext u;
      u.context.config.dbfDirectory = tableFolder;
      u.context.config.tempDirectory = scratch;
      WarnWhenTableDirectoryReadOnly(u.context, "wst1base");
      bool warned = !u.ui.messages.empty() && u.ui.messages[0].text ==
                                                   Oem("Sie haben kein Schreibrecht für das Datenbankverzeichnis. "
                                                       "Änderungen und Erweiterungen werden nicht übernommen.");
      if (warned != expectWarning) return 1;
      DbfTable copy;
      if (!OpenInstalledTable(u.context, "wst1base", copy)) return 2;
      if (copy.FileName().rfind(scratch + "/", 0) != 0) return 3;
      if (!copy.SetFieldText(2, "Geändert") || !copy.Post()) return 4;
      return 0;
    });
  };
  chmod(path.c_str(), 0444);
  EXPECT_EQ(editInCopy(false), 0);
  EXPECT_EQ(testing::ReadBytes(path), original);

  chmod(path.c_str(), 0644);
  chmod(tableFolder.c_str(), 0555);
  EXPECT_EQ(editInCopy(true), 0);
  EXPECT_EQ(testing::ReadBytes(path), original);
  EXPECT_EQ(testing::FolderEntries(tableFolder), (std::set<std::string>{"wst1base.dbf"}));
  chmod(tableFolder.c_str(), 0777);
}

TEST_F(InstalledTable, TheRememberedRecordWithinTheTableElseTheLastOrTheFirst) {
  WriteTable(3);
  ASSERT_TRUE(OpenInstalledTable(t.context, "wst1base", table));
  for (auto [remembered, expected] : {std::pair{0, 1}, {-4, 1}, {2, 2}, {3, 3}}) {
    EXPECT_TRUE(GoToRememberedRecord(t.context, table, remembered));
    EXPECT_EQ(table.RecNo(), expected) << remembered;
  }
  EXPECT_TRUE(t.context.messages.Empty());

  EXPECT_TRUE(GoToRememberedRecord(t.context, table, 9));
  EXPECT_EQ(table.RecNo(), 3);
  EXPECT_EQ(t.context.messages.Texts(), (std::vector<std::string>{"DBF #9 not found."}));

  WriteTable(0);
  ASSERT_TRUE(OpenInstalledTable(t.context, "wst1base", table));
  EXPECT_FALSE(GoToRememberedRecord(t.context, table, 0));
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0].text.rfind("Database #", 0), 0u) << t.ui.messages[0].text;
  EXPECT_TRUE(t.context.state.cancel);
}

// The program's own table is copied once among the user's tables; changes made there are
// found again by the next opening, and the shipped table stays as it was.
TEST_F(InstalledTable, TheShippedTableIsCopiedAmongTheUsersTablesOnce) {
  testing::TempDir home, data;
  t.platform.environment["HOME"] = home.Path();
  t.context.dataFolders = {data.Path()};
  std::string shipped = data.File("wst1base.dbf");
  testing::WriteBytes(shipped, BuildDbf(MaterialFields(), {MaterialRow("1.0038", "S235JR", "7.850")}));
  ASSERT_EQ(InstalledTablePath(t.context, "wst1base"), shipped);
  std::string own = home.File(".config/vortane/wst1base.dbf");
  ASSERT_TRUE(OpenInstalledTable(t.context, "wst1base", table));
  EXPECT_EQ(table.FileName(), own);
  ASSERT_TRUE(table.Go(1) && table.SetFieldText(2, "Eigener Stahl") && table.Post());
  table.Close();
  EXPECT_EQ(InstalledTablePath(t.context, "wst1base"), own);
  ASSERT_TRUE(OpenInstalledTable(t.context, "wst1base", table));
  ASSERT_TRUE(table.Go(1));
  EXPECT_EQ(table.FieldText(2), "Eigener Stahl");
  DbfTable original;
  ASSERT_TRUE(original.Open(shipped) && original.Go(1));
  EXPECT_NE(original.FieldText(2), "Eigener Stahl");
  EXPECT_TRUE(t.ui.messages.empty());
}

}  // namespace
}  // namespace kalo
