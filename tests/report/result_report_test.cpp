// The result report: value lines with their units, the contour table, the message block,
// and whole reports of a rectangle whose values are known in closed form.
#include <algorithm>
#include <numbers>

#include "calc/calculation.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "report/report_fixture.h"
#include "report/result_report.h"

namespace kalo::testing {
namespace {

class ResultReportTest : public ReportTest {
 protected:
  ResultReportTest() { context.config.textDevice = kTargetDosFile; }

  // The rectangle 0 <= x <= 100, 0 <= y <= 10 in steel: A = 1000 mm², V = pi·10²·100 mm³,
  // m = V·7.8E-6 kg, Jx = m·r²/2 = pi/2·10⁴·100·7.8E-12 kg·m².
  void CalculateRectangle() {
    Contour& contour = context.body.contour;
    contour.Reset();
    contour[1] = {0, 0, 0};
    contour[2] = {100, 0, 0};
    contour[3] = {100, 10, 0};
    contour[4] = {0, 10, 0};
    contour.count = 4;
    context.body.rho = 7.8L;
    Calculate(context.body, context.config, context.messages);
  }

  // The results block of the batch report (tab-separated lines).
  std::vector<std::string> BatchLines() {
    EXPECT_TRUE(Report(context, kReportBatch));
    return FileLines(dir.File("welle.txt"));
  }

  bool Contains(const std::vector<std::string>& lines, const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  std::string Golden(const std::string& name) const {
    return ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/report/" + name);
  }
};

TEST_F(ResultReportTest, RectangleValuesAgreeWithTheClosedForm) {
  CalculateRectangle();
  long double pi = std::numbers::pi_v<long double>;
  EXPECT_NEAR(static_cast<double>(context.body.mass), static_cast<double>(pi * 100 * 100 * 7.8e-6L), 1e-12);
  std::vector<std::string> lines = BatchLines();
  EXPECT_TRUE(Contains(lines, Oem("Querschnittsfläche xy\tAxy\tmm²\t1000")));
  EXPECT_TRUE(Contains(lines, "Werkstoffdichte\trho\tkg/dm3\t7,8"));
  EXPECT_TRUE(Contains(lines, Oem("Volumen\tV\tmm³\t31416")));
  EXPECT_TRUE(Contains(lines, "Masse\tm\tg\t245"));
  EXPECT_TRUE(Contains(lines, Oem("Massenträgheitsmoment\tJx\tgmm2\t12300")));
}

TEST_F(ResultReportTest, MassBelowOneKilogramIsShownInGrams) {
  context.body.mass = 0.5L;
  EXPECT_TRUE(Contains(BatchLines(), "Masse\tm\tg\t500"));
  context.body.mass = 1;
  EXPECT_TRUE(Contains(BatchLines(), "Masse\tm\tkg\t1"));
}

TEST_F(ResultReportTest, SmallInertiaIsReadBackFromItsTextAndShownInGmm2) {
  context.body.results.Jx = 1.2252211349E-5L;
  EXPECT_TRUE(Contains(BatchLines(), Oem("Massenträgheitsmoment\tJx\tgmm2\t12300")));
  context.config.decimalSeparator = DecimalSeparator::Comma;  // "0,0123E-3" reads back the same
  EXPECT_TRUE(Contains(BatchLines(), Oem("Massenträgheitsmoment\tJx\tgmm2\t12300")));
  context.body.results.Jx = 2.5L;
  EXPECT_TRUE(Contains(BatchLines(), Oem("Massenträgheitsmoment\tJx\tkgm2\t2,5")));
}

TEST_F(ResultReportTest, DecimalSeparatorsOfTheReportAndOfSpreadsheetText) {
  context.config.decimalSeparator = DecimalSeparator::Comma;
  ASSERT_TRUE(Report(context, kReportExtract));
  std::vector<std::string> lines = DosLines();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find("rho") == 41 && line.substr(62) == "7,8" + std::string(14, ' ');
  }));
  context.config.spreadsheetDecimalSeparator = DecimalSeparator::Dot;
  EXPECT_TRUE(Contains(BatchLines(), "Werkstoffdichte\trho\tkg/dm3\t7.8"));
}

TEST_F(ResultReportTest, InchUnits) {
  context.config.units = UnitSetting::English;
  context.body.results.A = 645.16L;
  context.body.volume = 16387.064L * 2;
  std::vector<std::string> lines = BatchLines();
  EXPECT_TRUE(Contains(lines, Oem("Querschnittsfläche xy\tAxy\tin²\t1")));
  EXPECT_TRUE(Contains(lines, Oem("Volumen\tV\tin³\t2")));
  context.config.specialCharacters = SpecialCharacters::PlainLetters;
  EXPECT_TRUE(Contains(BatchLines(), Oem("Querschnittsfläche xy\tAxy\tin2\t1")));
}

TEST_F(ResultReportTest, FiveConfiguredDecimalsAddTwoToTheSignificantForm) {
  context.config.decimals = 5;
  EXPECT_TRUE(Contains(BatchLines(), "Werkstoffdichte\trho\tkg/dm3\t7,800"));
}

TEST_F(ResultReportTest, StandardReportWithoutElementsHasNoContourTable) {
  ASSERT_TRUE(Report(context, kReportStandard));
  std::vector<std::string> lines = DosLines();
  EXPECT_FALSE(Contains(lines, "       GEOMETRIE KONTUR"));
  EXPECT_TRUE(Contains(lines, "       ERGEBNISSE"));
}

TEST_F(ResultReportTest, ContourTableInInchWithPlainLetters) {
  CalculateRectangle();
  context.body.contour[2].phi = std::numbers::pi_v<long double> / 4;
  context.config.units = UnitSetting::English;
  context.config.specialCharacters = SpecialCharacters::PlainLetters;
  context.config.separatorStyle = SeparatorStyle::Ascii;
  ASSERT_TRUE(Report(context, kReportStandard));
  std::vector<std::string> lines = DosLines();
  EXPECT_TRUE(Contains(lines, "         i       x in       y in    phi de "));
  EXPECT_TRUE(Contains(lines, "         2     3.9370     0.0000      45.0 "));
}

TEST_F(ResultReportTest, MessagesAreExplainedWithCauseAndRemedy) {
  WriteBytes(dir.File("kalo.err"), "Fatal  : GetMasseR\r\nPunkt unter der Achse\r\nKontur verschieben\r\n");
  context.messages.Report("Fatal  : GetMasseR");
  context.messages.Report("Unbekannte Meldung");
  context.config.separatorStyle = SeparatorStyle::Ascii;
  context.config.textDevice = kTargetWindowsPrinter;  // pages end with form feeds
  ASSERT_TRUE(Report(context, kReportExtract));
  ASSERT_EQ(test.ui.printedTextFiles.size(), 1u);
  WriteBytes(dir.File("printed"), test.ui.printedTextFiles[0].content);
  std::vector<std::string> lines = FileLines(dir.File("printed"));
  auto heading = std::find(lines.begin(), lines.end(), "       BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
  ASSERT_NE(heading, lines.end());
  std::string thin = "       " + std::string(70, '-');
  std::vector<std::string> block(heading + 3, lines.end());
  EXPECT_EQ(block, (std::vector<std::string>{"       Fatal  : GetMasseR", "       Punkt unter der Achse",
                                             "       Kontur verschieben", thin, "       Unbekannte Meldung",
                                             "       keine Beschreibung dieser Fehlermeldung vorhanden.", "       ",
                                             thin, "\f"}));
  // The messages start a page of their own.
  auto pageEnd = std::find(lines.begin(), lines.end(), "\f");
  ASSERT_LT(pageEnd, heading);
  EXPECT_EQ(pageEnd[1], "       " + std::string(70, '*'));

  std::vector<std::string> batch = BatchLines();
  EXPECT_TRUE(Contains(batch, "Fatal  : GetMasseR\tPunkt unter der Achse\tKontur verschieben"));
}

TEST_F(ResultReportTest, NoReportAfterAFatalCalculationError) {
  context.messages.Report("A = 0 !", Severity::Fatal);
  EXPECT_FALSE(Report(context, kReportStandard));
  EXPECT_FALSE(FileExists(dir.File("OUTDOS.TXT")));
}

TEST_F(ResultReportTest, CancelledTargetQuestionDropsTheReport) {
  context.config.askTextDevice = true;
  EXPECT_FALSE(Report(context, kReportStandard));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_FALSE(FileExists(dir.File("OUTDOS.TXT")));
}

TEST_F(ResultReportTest, GoldenReportsOfTheRectangle) {
  CalculateRectangle();
  context.state.currentFileName = "rechteck";
  context.body.texts.remarks[0] = Oem("Prüfkörper Rechteck 100 x 10");
  context.body.texts.remarks[1] = "Stahl";
  ASSERT_TRUE(Report(context, kReportStandard));
  EXPECT_EQ(ReadBytes(dir.File("OUTDOS.TXT")), Golden("rectangle_standard.txt"));
  ASSERT_TRUE(Report(context, kReportExtract));
  EXPECT_EQ(ReadBytes(dir.File("OUTDOS.TXT")), Golden("rectangle_extract.txt"));
  ASSERT_TRUE(Report(context, kReportBatch));
  EXPECT_EQ(ReadBytes(dir.File("rechteck.txt")), Golden("rectangle_batch.txt"));
}

}  // namespace
}  // namespace kalo::testing
