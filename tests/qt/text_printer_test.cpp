#include "qt/text_printer.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <fstream>
#include <sstream>

#include "output/text_output.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "qt/qt_ui.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

using testing::RunProcess;
using testing::TempDir;

// A printer that writes a PDF file, as the tests print without a print dialog.
struct PdfPrinter {
  explicit PdfPrinter(const std::string& path) : printer(QPrinter::HighResolution) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
  }
  QPrinter printer;
};

// What a shell command of poppler-utils prints, read back from a file.
std::string Poppler(const TempDir& dir, const std::string& command) {
  std::string out = dir.File("poppler.out");
  EXPECT_EQ(RunProcess(dir.Path(), {"/bin/sh", "-c", command + " > " + out}, {"PATH=/usr/bin:/bin"}).exitCode, 0);
  return testing::ReadBytes(out);
}

int PdfPages(const TempDir& dir, const std::string& pdf) {
  std::istringstream info(Poppler(dir, "pdfinfo " + pdf));
  for (std::string line; std::getline(info, line);)
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  return 0;
}

TEST(TextPrinter, WindowsPrinterTargetPrintsEveryPageAndRemovesItsFile) {
  TempDir dir;
  testing::TestPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Configuration shown;
  QtUi ui(shown);
  Context context(ui, platform, clock);
  ui.SetContext(context);
  context.config.tempDirectory = dir.Path();
  context.state.currentFileName = "welle";
  PdfPrinter pdf(dir.File("report.pdf"));
  ui.TextPrinting().UsePrinter(&pdf.printer, false);

  TextOutput output(context);  // three pages, two form feeds
  output.SetHeaderTexts({"Bericht", "", "", "", ""});
  ASSERT_TRUE(output.Open(kTargetWindowsPrinter, "welle"));
  for (int page = 1; page <= 3; ++page) {
    if (page > 1) output.EndPage();
    output.PageHeader();
    output.Line(Oem("Seite ") + std::to_string(page) + Oem(" Querschnittsfläche"));
  }
  ASSERT_TRUE(output.Close());

  EXPECT_FALSE(FileExists(dir.File("$$$.txt")));
  EXPECT_EQ(PdfPages(dir, "report.pdf"), 3);
  EXPECT_NE(Poppler(dir, "pdftotext -f 3 -l 3 report.pdf -").find("Seite 3 Querschnittsfläche"), std::string::npos);
  EXPECT_EQ(RunProcess(dir.Path(), {"/usr/bin/pdftoppm", "-png", "-r", "50", "report.pdf", "page"}, {}).exitCode, 0);
  EXPECT_GT(testing::ReadBytes(dir.File("page-3.png")).size(), 0u);
}

TEST(TextPrinter, PrintsTheChosenPagesAndReportsAPrinterThatCannotStart) {
  TempDir dir;
  testing::TestContext test;
  std::vector<std::string> report = {"eins", "\f", "zwei", "\f", "drei"};
  TextPrinter printer;

  PdfPrinter pdf(dir.File("range.pdf"));
  pdf.printer.setPrintRange(QPrinter::PageRange);
  pdf.printer.setFromTo(2, 3);
  printer.UsePrinter(&pdf.printer, false);
  ASSERT_TRUE(printer.Print(test.context, report, nullptr));
  EXPECT_EQ(PdfPages(dir, "range.pdf"), 2);
  std::string text = Poppler(dir, "pdftotext range.pdf -");
  EXPECT_EQ(text.find("eins"), std::string::npos);
  EXPECT_NE(text.find("drei"), std::string::npos);
  EXPECT_TRUE(test.ui.messages.empty());

  PdfPrinter broken(dir.File("missing/folder/x.pdf"));
  printer.UsePrinter(&broken.printer, false);
  EXPECT_FALSE(printer.Print(test.context, report, nullptr));
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, "Drucker kann nicht gestartet werden");
}

}  // namespace
}  // namespace kalo
