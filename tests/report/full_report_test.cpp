// The full results report of a rectangle whose values are known in closed form.
#include "report/full_report.h"

#include <algorithm>

#include "calc/calculation.h"
#include "platform/codepage.h"
#include "report/report_fixture.h"
#include "report/result_report.h"

namespace kalo::testing {
namespace {

class FullReportTest : public ReportTest {
 protected:
  FullReportTest() { context.config.textDevice = kTargetDosFile; }

  // 0 <= x <= 100, 10 <= y <= 20 in steel: a tube of length 100 about the axis.
  void CalculateTube() {
    Contour& contour = context.body.contour;
    contour.Reset();
    contour[1] = {0, 10, 0};
    contour[2] = {100, 10, 0};
    contour[3] = {100, 20, 0};
    contour[4] = {0, 20, 0};
    contour.count = 4;
    context.body.rho = 7.8L;
    Calculate(context.body, context.config, context.messages);
  }
  bool Contains(const std::vector<std::string>& lines, const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
};

TEST_F(FullReportTest, BatchReportIsFollowedByEveryValue) {
  CalculateTube();
  ASSERT_TRUE(FullReport(context, kReportBatch));
  std::vector<std::string> lines = FileLines(dir.File("welle.txt"));
  auto heading = std::find(lines.begin(), lines.end(), "ALLE ERGEBNISSE");
  ASSERT_NE(heading, lines.end());
  // The report as /I writes it comes first, unchanged.
  auto results = std::find(lines.begin(), lines.end(), "ERGEBNISSE");
  EXPECT_LT(results, heading);
  EXPECT_TRUE(Contains(lines, Oem("Massenträgheitsmoment\tJx\tkgm2\t0,000184")));
  // Area 1000, centroid (50, 15), Ixx about the axis = 100·(20³ - 10³)/3, surface of the
  // tube 2·pi·(10 + 20)·100 + 2·pi·(20² - 10²).
  EXPECT_TRUE(Contains(lines, Oem("Querschnittsfläche xy\tAxy\tmm2\t1000")));
  EXPECT_TRUE(Contains(lines, "Schwerpunkt y\tys\tmm\t15"));
  EXPECT_TRUE(Contains(lines, Oem("Flächenmoment 2. Grades um x\tIxx\tmm4\t233333")));
  EXPECT_TRUE(Contains(lines, Oem("Oberfläche\tO\tmm2\t20734,5")));
  EXPECT_TRUE(Contains(lines, "Massenschwerpunkt x\txm\tmm\t50"));
  // Each line's frustum down to the axis: the outer one adds pi/2·rho·20⁴·100, the inner one
  // (running the other way) takes pi/2·rho·10⁴·100 away.
  EXPECT_TRUE(Contains(lines, "Element 1\tJx\tkgm2\t-1,22522e-05"));
  EXPECT_TRUE(Contains(lines, "Element 3\tJx\tkgm2\t0,000196035"));
}

TEST_F(FullReportTest, SixDigitsWithTheConfiguredSeparator) {
  NumberFormat dot, comma;
  comma.decimalComma = true;
  EXPECT_EQ(FormatSixDigits(0.0100394L, dot), "0.0100394");
  EXPECT_EQ(FormatSixDigits(0.0100394L, comma), "0,0100394");
  EXPECT_EQ(FormatSixDigits(1234567.0L, dot), "1.23457e+06");
  EXPECT_EQ(FormatSixDigits(-2.5e-9L, dot), "-2.5e-09");
}

TEST_F(FullReportTest, FailedCalculationWritesNothing) {
  context.body.contour.Reset();
  context.body.contour[1] = {0, 0, 0};
  context.body.contour.count = 1;
  Calculate(context.body, context.config, context.messages);
  ASSERT_TRUE(context.messages.Fatal());
  EXPECT_FALSE(FullReport(context, kReportBatch));
  EXPECT_TRUE(FileLines(dir.File("welle.txt")).empty());
}

}  // namespace
}  // namespace kalo::testing
