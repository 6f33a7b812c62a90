#include "app/ole_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/command_run.h"
#include "calc/calculation.h"
#include "datafile/data_file_format.h"
#include "datafile/data_file_table.h"
#include "model/data_file_folder.h"
#include "office/overview_export.h"
#include "office/xlsx/xlsx_spreadsheet.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

const std::string kCannotStart = "Excel kann nicht gestartet werden";

class OleCommandsTest : public ::testing::Test {
 protected:
  OleCommandsTest() {
    context.state.dataDirectory = dir.Path();
    context.config.tempDirectory = scratch.Path();
    WriteBytes(programs.File("localc"), "");
    test.platform.environment["PATH"] = programs.Path();
    context.spreadsheets = &spreadsheets;
  }

  // The saved data file "welle.kal" of a steel cylinder, umlauts in its remark line.
  void OpenSavedBody() {
    Body body = CylinderBody(100, 20, 7.8L, "Welle", "W-1");
    body.texts.remarks[0] = Oem("Maße in mm, Größe ü");
    WriteDataFileOf(body, dir.File("welle.kal"));
    context.body = body;
    context.state.currentFileName = "welle";
    Calculate(context.body, context.config, context.messages);
  }

  void StartLinked() {
    OpenSavedBody();
    OleStartExcel(context);
    ASSERT_TRUE(SpreadsheetLinked(context));
  }

  // The workbook handed to the spreadsheet program last.
  std::string LastWorkbook() const {
    return test.platform.startedArguments.empty() ? "" : test.platform.startedArguments.back().back();
  }

  void Tool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {"/usr/bin/python3", std::string(KALO_SOURCE_DIR) + "/tests/app/workbook_tool.py"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ProcessResult result = RunProcess(dir.Path(), command, {});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
  }

  // The rows of the workbook's first sheet as openpyxl reads them, cells joined by tabs.
  std::vector<std::string> Rows(const std::string& workbook, const std::string& how = "dump") {
    Tool({how, workbook, dir.File("dump.txt")});
    std::vector<std::string> rows;
    std::istringstream text(ReadBytes(dir.File("dump.txt")));
    for (std::string row; std::getline(text, row);) rows.push_back(row);
    return rows;
  }

  std::vector<std::string> DataFileLinesUtf8() {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadTextLines(dir.File("welle.kal"), lines));
    for (std::string& line : lines) line = Cp850ToUtf8(line);
    return lines;
  }

  // The message shown last starts with this text.
  void ExpectMessage(const std::string& start) {
    ASSERT_FALSE(test.ui.messages.empty());
    EXPECT_EQ(test.ui.messages.back().text.substr(0, start.size()), start) << test.ui.messages.back().text;
  }

  TempDir dir, scratch, programs;
  TestContext test;
  Context& context = test.context;
  XlsxSpreadsheets spreadsheets{context};
};

TEST_F(OleCommandsTest, StartExcelBeforeTheFirstSaveAsksForTheSave) {
  OleStartExcel(context);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, Oem("Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei->Speichern\")"));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_FALSE(SpreadsheetLinked(context));
  EXPECT_TRUE(test.platform.startedPrograms.empty());
}

// Every path says so, and the workbook written all the same can be kept.
TEST_F(OleCommandsTest, WithoutASpreadsheetProgramEveryPathSaysSo) {
  test.platform.environment["PATH"] = dir.Path();
  OpenSavedBody();
  RunCommand(context, OleStartExcel);
  ExpectMessage(kCannotStart + Oem(": kein Tabellenprogramm gefunden"));
  EXPECT_FALSE(SpreadsheetLinked(context));
  RunCommand(context, OlePrintout);
  ExpectMessage(kCannotStart);
  DataFileTable table;
  table.rows.push_back(DamagedRow("b.kal", "2026/12/08"));
  test.ui.texts = {dir.File("kept.xlsx")};
  ExportOverview(context, table);
  ExpectMessage(kCannotStart);
  EXPECT_EQ(Rows(dir.File("kept.xlsx")).size(), 2u);
  EXPECT_EQ(test.ui.messages.size(), 3u);
  EXPECT_TRUE(test.platform.startedPrograms.empty());
  // The command line program has no spreadsheet program at all.
  context.spreadsheets = nullptr;
  test.platform.environment["PATH"] = programs.Path();
  OleStartExcel(context);
  ExpectMessage(kCannotStart);
}

TEST_F(OleCommandsTest, TheSpreadsheetProgramIsTheFirstFoundOnThePath) {
  EXPECT_EQ(SpreadsheetCommand(context), std::vector<std::string>{"localc"});
  RemoveFile(programs.File("localc"));
  WriteBytes(programs.File("xdg-open"), "");
  EXPECT_EQ(SpreadsheetCommand(context), std::vector<std::string>{"xdg-open"});
  WriteBytes(programs.File("libreoffice"), "");
  EXPECT_EQ(SpreadsheetCommand(context), (std::vector<std::string>{"libreoffice", "--calc"}));
}

TEST_F(OleCommandsTest, StartExcelPutsTheDataFileLinesIntoColumnA) {
  StartLinked();
  ASSERT_EQ(test.platform.startedArguments.size(), 1u);
  EXPECT_EQ(test.platform.startedArguments[0].front(), "localc");
  std::vector<std::string> expected = DataFileLinesUtf8();
  // openpyxl ends the sheet at its last filled row: the empty remark lines are inside it.
  EXPECT_EQ(Rows(LastWorkbook()), expected);
  EXPECT_NE(expected[4].find("Maße in mm, Größe ü"), std::string::npos);
}

TEST_F(OleCommandsTest, ADensityChangedInTheSpreadsheetComesBackIntoTheBody) {
  StartLinked();
  std::vector<std::string> lines = DataFileLinesUtf8();
  auto density = std::find(lines.begin(), lines.end(), FormatReal7(7.8L, NumberFormat{}));
  ASSERT_NE(density, lines.end());
  std::string cell = "A" + std::to_string(density - lines.begin() + 1);
  Tool({"set", LastWorkbook(), cell, "2.7"});  // stored as a number, as a user types it
  long double steelMass = context.body.mass;
  OleImport(context);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_NEAR(static_cast<double>(context.body.rho), 2.7, 1e-12);
  EXPECT_NEAR(static_cast<double>(context.body.mass), static_cast<double>(steelMass * 2.7L / 7.8L), 1e-9);
  EXPECT_EQ(context.body.texts.remarks[0], Oem("Maße in mm, Größe ü"));
  EXPECT_EQ(context.body.contour.count, 4);
  EXPECT_TRUE(context.state.modified);
}

TEST_F(OleCommandsTest, AWorkbookThatIsNoDataFileLeavesTheBodyAsItWas) {
  StartLinked();
  std::string workbook = LastWorkbook();
  Body before = context.body;
  Tool({"make", workbook, "hallo"});
  OleImport(context);
  ExpectMessage("Tabelle ist keine KALO-Datendatei: " + workbook + ", Zeile ");
  WriteBytes(workbook, std::string("PK\x03\x04", 4) + "kaputt");
  OleImport(context);
  ExpectMessage("Tabelle nicht lesbar: " + workbook);
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(context.body.contour, before.contour);
  EXPECT_EQ(context.body.texts, before.texts);
  EXPECT_EQ(context.body.rho, before.rho);
  EXPECT_EQ(test.ui.messages.size(), 2u);
}

TEST_F(OleCommandsTest, ExportSavesAModifiedBodyAndWritesItAgain) {
  StartLinked();
  context.body.texts.name = "Neu";
  context.body.contour.count = 3;  // fewer lines: the rows below are emptied
  context.state.modified = true;
  OleExport(context);
  EXPECT_FALSE(context.state.modified);
  std::vector<std::string> lines = DataFileLinesUtf8();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Neu"), lines.end());
  ASSERT_EQ(test.platform.startedArguments.size(), 2u);
  EXPECT_EQ(test.platform.startedArguments[1], test.platform.startedArguments[0]);
  EXPECT_EQ(Rows(LastWorkbook()), lines);
}

TEST_F(OleCommandsTest, PrintoutWithCalculationMessagesShowsThemAndStartsNothing) {
  OpenSavedBody();
  context.messages.Report("Fehler in GetArcCenter (dphi = 0)");
  OlePrintout(context);
  ASSERT_FALSE(test.ui.choiceCaptions.empty());
  EXPECT_EQ(test.ui.choiceCaptions[0].substr(0, 16), "Berechnungsmodul");
  EXPECT_TRUE(test.platform.startedPrograms.empty());
}

TEST_F(OleCommandsTest, PrintoutOpensTheReportAsAWorkbookAndKeepsTheTextSettings) {
  OpenSavedBody();
  context.config.textDevice = kTargetFile;
  context.config.askTextDevice = true;
  OlePrintout(context);
  EXPECT_EQ(context.config.textDevice, kTargetFile);
  EXPECT_TRUE(context.config.askTextDevice);
  ASSERT_EQ(test.platform.startedArguments.size(), 1u);
  std::vector<std::string> rows = Rows(LastWorkbook());
  // The report's tab-separated lines fill columns; numbers written with the decimal comma
  // of the configuration are numbers in the spreadsheet.
  EXPECT_NE(std::find(rows.begin(), rows.end(), "ERGEBNISSE\t\t\t"), rows.end());
  EXPECT_NE(std::find(rows.begin(), rows.end(), "Masse\tm\tg\t980.2"), rows.end()) << ::testing::PrintToString(rows);
}

// Numbers go in as numbers in full precision with a number format, as openpyxl reads them;
// a file that could not be read keeps its texts.
TEST_F(OleCommandsTest, TheOverviewGoesIntoTheSpreadsheetCellByCell) {
  DataFileTable table;
  table.rows.push_back({"a.kal", "2026/12/07", Oem("Rad Ø5"), "", "4", "    2000.0", "  7.80", "    125664", "    0.980",
                        "   0.00002"});
  table.numbers["a.kal"] = {4, 2000.0312L, 7.8L, 125663.7061L, 0.98017L, 2.101e-5L};
  table.rows.push_back(DamagedRow("b.kal", "2026/12/08"));
  ExportOverview(context, table);
  std::vector<std::string> rows = Rows(LastWorkbook(), "numbers");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], "File\tDate  y/m/d\tName\tNo\tn\tA\trho\tV\tm\tJx");
  EXPECT_EQ(rows[1],
            "a.kal\t2026/12/07\tRad Ø5\t\t4@0\t2000.0312@0.0\t7.8@0.00\t125663.7061@0\t0.98017@0.000\t2.101e-05@0.000E+00");
  EXPECT_EQ(rows[2], "b.kal\t2026/12/08\t" + Cp850ToUtf8(DamagedFileMark()) + std::string(7, '\t'));
}

// When the spreadsheet program cannot be started the user is told and may keep the workbook,
// which would go with the scratch folder at the end of the run.
TEST_F(OleCommandsTest, AnOverviewTheSpreadsheetProgramDidNotTakeCanBeKept) {
  DataFileTable table;
  table.rows.push_back(DamagedRow("b.kal", "2026/12/08"));
  test.platform.startSucceeds = false;
  test.ui.texts = {dir.File("kept.xlsx")};
  ExportOverview(context, table);
  ExpectMessage("Excel kann nicht gestartet werden");
  ASSERT_TRUE(FileExists(dir.File("kept.xlsx")));
  EXPECT_EQ(Rows(dir.File("kept.xlsx")).size(), 2u);
}

}  // namespace
}  // namespace kalo::testing
