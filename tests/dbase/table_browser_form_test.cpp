// The table browser's form model driven as the window drives it.
#include "dbase/table_browser_form.h"

#include "dbase/dbf_table.h"
#include "dbase/dbf_test_tables.h"
#include "platform/codepage.h"
#include "report/report_fixture.h"

namespace kalo::testing {
namespace {

const std::vector<TestField> kMaterialFields = {{"NAME", 'C', 10}, {"DICHTE", 'N', 6, 2}};

// Tables lie in the test's folder, the temporary folder is a folder of its own in it.
class TableBrowserTest : public ReportTest {
 protected:
  TableBrowserTest() {
    context.config.tempDirectory = dir.File("temp");
    std::filesystem::create_directory(context.config.tempDirectory);
  }

  void OpenTable(const std::vector<TestField>& fields, const std::vector<std::vector<std::string>>& records,
                 const std::string& folder = "") {
    std::string path = (folder.empty() ? dir.Path() : folder) + "/wst.dbf";
    WriteBytes(path, BuildDbf(fields, records));
    ASSERT_TRUE(table.Open(path)) << table.ErrorText();
  }
  std::vector<std::string> Column(const TableBrowserForm& form, int column) const {
    std::vector<std::string> cells;
    for (int row = 1; row <= form.RowCount(); ++row) cells.push_back(form.Cell(row, column));
    return cells;
  }

  DbfTable table;
  TableBrowserForm form{context, table};
};

TEST_F(TableBrowserTest, SelectionModeShowsNoDeletedRecordsAndOkReturnsThePickedRecord) {
  OpenTable(kMaterialFields, {{"*", "Alt", "1"}, {"Stahl", "7.85"}, {"Messing", "8.4"}});
  form.SetTitles("Werkstoff-Basisdaten", "");
  test.ui.onTableBrowser = [this](TableBrowserForm& shown) {
    EXPECT_EQ(shown.caption, "   Werkstoff-Basisdaten");
    EXPECT_FALSE(shown.Editable());
    EXPECT_EQ(Column(shown, 1), (std::vector<std::string>{"Stahl", "Messing"}));
    EXPECT_EQ(shown.CurrentRow(), 1);
    shown.CellClick(2, 2);
    EXPECT_EQ(shown.recordCaption, "3/3");
    EXPECT_FALSE(shown.CellEdited(2, 2, "9"));
    return true;
  };
  EXPECT_TRUE(form.ShowTable(TableBrowserForm::kSelectionMode));
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(form.RecordNumber(), 3);
  EXPECT_EQ(table.FieldText(2), "8.4");

  test.ui.onTableBrowser = [](TableBrowserForm&) { return false; };
  EXPECT_FALSE(form.ShowTable(TableBrowserForm::kSelectionMode));
  EXPECT_TRUE(context.state.cancel);
}

TEST_F(TableBrowserTest, EditingModeShowsEverythingAndPostsEditsOnOk) {
  OpenTable(kMaterialFields, {{"*", "Alt", "1"}, {"Stahl", "7.85"}});
  form.SetTitles("Werkstoff-Basisdaten", "Printout");
  test.ui.onTableBrowser = [this](TableBrowserForm& shown) {
    EXPECT_EQ(shown.caption, "Printout  Werkstoff-Basisdaten  (" + table.FileName() + ")");
    EXPECT_TRUE(shown.RowDeleted(1));
    EXPECT_TRUE(shown.CellEdited(2, 2, "7,9"));
    EXPECT_FALSE(shown.CellEdited(2, 2, "sieben"));
    EXPECT_EQ(test.ui.messages.back().text, "Keine Zahl im Feld DICHTE: sieben");
    shown.mi_appendClick();
    EXPECT_EQ(shown.recordCaption, "3/3");
    EXPECT_TRUE(shown.CellEdited(3, 1, Oem("Weißguß")));
    return true;
  };
  ASSERT_TRUE(form.ShowTable(TableBrowserForm::kEditingMode));
  EXPECT_EQ(form.RecordNumber(), 3);
  DbfTable reread;
  ASSERT_TRUE(reread.Open(table.FileName()));
  reread.Go(2);
  EXPECT_EQ(reread.FieldText(2), "7.90");
  reread.Go(3);
  EXPECT_EQ(reread.FieldText(1), Oem("Weißguß"));
}

TEST_F(TableBrowserTest, ACopyInTheTemporaryFolderIsAnnouncedBeforeEditing) {
  OpenTable(kMaterialFields, {{"Stahl", "7.85"}}, context.config.tempDirectory);
  form.ShowTable(TableBrowserForm::kEditingMode);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, Oem("Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."));
  form.ShowTable(TableBrowserForm::kSelectionMode);
  EXPECT_EQ(test.ui.messages.size(), 1u);
}

TEST_F(TableBrowserTest, SearchAndSearchNextFindTheTextOrSayItIsNotThere) {
  OpenTable(kMaterialFields, {{"Stahl", "7.85"}, {"Messing", "8.4"}, {"Stahlguss", "7.8"}});
  context.state.helpNumber = 9520;
  test.ui.texts = {"stahl", "Titan"};
  form.SearchClick();
  EXPECT_EQ(test.ui.prompts.back(), "Suchbegriff eingeben");
  EXPECT_EQ(context.state.helpNumber, 9520);
  EXPECT_EQ(table.RecNo(), 1);
  form.SearchNextClick();
  EXPECT_EQ(table.RecNo(), 3);
  EXPECT_EQ(form.recordCaption, "3/3");
  form.SearchClick();
  EXPECT_EQ(table.RecNo(), 3);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, "Titan nicht gefunden");
  form.SearchClick();  // cancelled: nothing happens
  EXPECT_EQ(test.ui.messages.size(), 1u);
  EXPECT_FALSE(context.state.cancel);
}

TEST_F(TableBrowserTest, ClickingTheSecondTitleSortsByTheSecondFieldKeepingTheRecord) {
  OpenTable(kMaterialFields, {{"Blei", "11.3"}, {"Alu", "2.7"}, {"Stahl", "7.85"}});
  form.ShowTable(TableBrowserForm::kEditingMode);
  form.CellClick(3, 1);
  form.TitleClick(2);
  EXPECT_EQ(Column(form, 1), (std::vector<std::string>{"Alu", "Stahl", "Blei"}));
  EXPECT_EQ(table.RecNo(), 3);
  EXPECT_EQ(form.CurrentRow(), 2);
}

TEST_F(TableBrowserTest, PackingRemovesTheMarkedRecords) {
  OpenTable(kMaterialFields, {{"Blei"}, {"*", "Alt"}, {"Stahl"}});
  form.ShowTable(TableBrowserForm::kEditingMode);
  form.CellClick(3, 1);
  form.DeleteClick();
  form.mi_packClick();
  EXPECT_EQ(Column(form, 1), (std::vector<std::string>{"Blei"}));
  EXPECT_EQ(form.recordCaption, "1/1");
}

TEST_F(TableBrowserTest, PrintingATableOfNineFieldsShowsItsFirstSevenColumns) {
  std::vector<TestField> fields;
  for (int n = 1; n <= 9; ++n) fields.push_back({"F" + std::to_string(n), 'C', n == 1 ? 4 : 2});
  OpenTable(fields, {{"eins", "b", "c", "d", "e", "f", "g", "h", "i"}});
  context.config.textDevice = kTargetDosFile;
  context.config.separatorStyle = SeparatorStyle::Blanks;
  context.config.askTextDevice = false;
  form.SetTitles("Titel eins", "Titel zwei");
  test.ui.onTableBrowser = [](TableBrowserForm& shown) {
    shown.mi_printClick();
    return true;
  };
  form.ShowTable(TableBrowserForm::kSelectionMode);
  std::vector<std::string> lines = FileLines(dir.File("temp/OUTDOS.TXT"));
  auto header = std::find(lines.begin(), lines.end(), "       F1   F2 F3 F4 F5 F6 F7  ");
  ASSERT_NE(header, lines.end()) << ::testing::PrintToString(lines);
  EXPECT_EQ(*(header + 2), "       eins b  c  d  e  f  g   ");
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  EXPECT_EQ(all.find("F8"), std::string::npos);
  EXPECT_NE(all.find("KALO V2.0"), std::string::npos);
  EXPECT_NE(all.find("Titel zwei   Titel eins"), std::string::npos);
  EXPECT_NE(all.find("\n            Titel eins  "), std::string::npos) << all;
}

TEST_F(TableBrowserTest, TheHtmlExportEscapesTextsDeclaresItsCharacterSetAndStartsTheBrowser) {
  OpenTable({{"NAME", 'C', 14}, {"A<B", 'N', 5, 1}}, {{"Öl & <Fett>", "1.5"}, {"*", "\"Rest\"", "2"}});
  context.config.htmlBrowser = "/bin/sh";
  test.ui.texts = {dir.File("liste.htm")};
  form.ShowTable(TableBrowserForm::kEditingMode);
  form.mi_exportHtmlClick();
  std::vector<std::string> page = ReferenceLines(dir.Path(), "html", dir.File("liste.htm"));
  EXPECT_EQ(page, (std::vector<std::string>{"charset windows-1252", "NAME\tA<B", "Öl & <Fett>\t1.5",
                                            "\"Rest\"\t2"}));
  std::vector<std::string> lines = FileLines(dir.File("liste.htm"));
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[5], "<P>07.12.2026 - 9:05</P>");
  ASSERT_FALSE(test.platform.startedArguments.empty());
  EXPECT_EQ(test.platform.startedArguments.back().back(), dir.File("liste.htm"));
}

TEST_F(TableBrowserTest, DelimitedTextLeavesAndComesBackThroughTheFileMenu) {
  OpenTable(kMaterialFields, {{"Stahl", "7.85"}});
  test.ui.texts = {dir.File("liste.txt"), dir.File("liste")};
  form.ShowTable(TableBrowserForm::kEditingMode);
  form.mi_saveDelimitedClick();
  form.mi_appendDelimitedClick();
  EXPECT_EQ(Column(form, 1), (std::vector<std::string>{"Stahl", "Stahl"}));
  form.mi_appendDbfClick();  // cancelled dialog: nothing happens
  EXPECT_TRUE(test.ui.messages.empty());
}

}  // namespace
}  // namespace kalo::testing
