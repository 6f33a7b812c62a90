// The print dialog's form model and File → Drucken on a scripted Ui.
#include <gtest/gtest.h>

#include "app/print_commands.h"
#include "graphics/graph_fixture.h"
#include "platform/codepage.h"
#include "print/print_form.h"
#include "print/print_job.h"

namespace kalo::testing {
namespace {

class PrintFormTest : public GraphTest {
 protected:
  ScriptedUi& ui = test.ui;
  Context& context = test.context;
};

TEST_F(PrintFormTest, OpensWithTheSettingsTheNumberFormAndThePrinterName) {
  config.decimalSeparator = DecimalSeparator::Comma;  // decimal comma
  config.printColourMode = PrintColours::Colour;
  ui.printerName = "Laser im Flur";
  PrintForm form(context, {0.75L, 1.25L, 21, -4, true, true});
  EXPECT_EQ(form.scaleX, "0,75");
  EXPECT_EQ(form.scaleY, "1,25");
  EXPECT_EQ(form.originX, "21");
  EXPECT_EQ(form.originY, "-4");
  EXPECT_TRUE(form.border);
  EXPECT_FALSE(form.fitToPage);
  EXPECT_EQ(form.coloursChoice, 1);
  EXPECT_EQ(form.orientationChoice, 1);
  EXPECT_EQ(form.printerName, "Laser im Flur" + std::string(27, ' '));
  EXPECT_EQ(form.captions.scaleX, Oem("Maßstab x"));
  EXPECT_EQ(form.captions.store, Oem("Ü&bernehmen Datenbank"));
}

TEST_F(PrintFormTest, OkTakesEveryControlIntoTheRunsSettings) {
  PrintForm form(context, {});
  form.scaleX = "0,5";
  form.scaleY = " 2 ";
  form.originX = "21";
  form.originY = "x";  // no number: 0
  form.border = true;
  form.coloursChoice = 1;
  form.orientationChoice = 1;
  ASSERT_TRUE(form.OkClick());
  const PrintSettings& s = context.print.settings;
  EXPECT_EQ(s.scaleX, 0.5L);
  EXPECT_EQ(s.scaleY, 2.0L);
  EXPECT_EQ(s.originX, 21);
  EXPECT_EQ(s.originY, 0);
  EXPECT_TRUE(s.border);
  EXPECT_TRUE(s.landscape);
  EXPECT_EQ(config.printColourMode, PrintColours::Colour);
  // The configured defaults stay as they were.
  EXPECT_EQ(config.printScale, 1.0L);
  EXPECT_EQ(config.printOriginX, 0);
}

TEST_F(PrintFormTest, AScaleThatIsNoNumberOrZeroIsRefusedAndNothingTaken) {
  PrintForm form(context, {});
  for (const char* bad : {"abc", "0", "-1", "1001"}) {
    form.scaleX = "1";
    form.scaleY = bad;
    form.coloursChoice = 1;
    EXPECT_FALSE(form.OkClick()) << bad;
  }
  ASSERT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(ui.messages[0].text, Oem("Gültiger Wertebereich: 0.0001 .. 1000 !"));
  EXPECT_EQ(config.printColourMode, PrintColours::Mono);
  EXPECT_EQ(context.print.settings.scaleY, 1.0L);
}

TEST_F(PrintFormTest, ThePrinterDialogRefreshesNameAndOrientation) {
  PrintForm form(context, {});
  PrinterChoice offered;
  ui.onChoosePrinter = [&](PrinterChoice& printer) {
    offered = printer;
    printer.name = std::string(45, 'P');
    printer.landscape = true;
    return true;
  };
  form.PrinterClick();
  EXPECT_FALSE(offered.landscape);
  EXPECT_EQ(form.printerName, std::string(40, 'P'));
  EXPECT_EQ(form.orientationChoice, 1);
  ui.onChoosePrinter = [](PrinterChoice& printer) {
    printer.landscape = false;
    return false;  // cancelled: nothing changes
  };
  form.PrinterClick();
  EXPECT_EQ(form.orientationChoice, 1);
}

TEST_F(PrintFormTest, PrintingReplaysTheWindowWithTheConfirmedSettings) {
  config.printScale = 0.8L;
  context.cad.viewMarker = kFixedPrintPreset;  // the drawing sheet is on show
  std::string shownScale;
  ui.onPrintForm = [&](PrintForm& form) {
    shownScale = form.scaleX;
    form.originX = "21";
    return form.OkClick();
  };
  std::vector<PrintSettings> jobs;
  bool printingFlag = false;
  ui.onPrintGraphics = [&](const GraphicsPrintJob& job) {
    EXPECT_EQ(&job.window, &window);
    printingFlag = context.print.printing;
    jobs.push_back(job.settings);
    return true;
  };
  int repaints = host.repaints;
  FilePrint(context, window);
  EXPECT_EQ(shownScale, "1.9");
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].scaleX, 1.9L);
  EXPECT_EQ(jobs[0].originX, 21);
  EXPECT_TRUE(printingFlag);
  EXPECT_FALSE(context.print.printing);
  EXPECT_GT(host.repaints, repaints);  // the screen first
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(context.state.helpNumber, PrintForm::kHelpNumber);
}

TEST_F(PrintFormTest, CancelPrintsNothingAndAFailedPrinterIsReported) {
  int jobs = 0;
  ui.onPrintGraphics = [&](const GraphicsPrintJob&) { return ++jobs, false; };
  FilePrint(context, window);  // the dialog is cancelled
  EXPECT_EQ(jobs, 0);
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(ui.messages.empty());

  ui.onPrintForm = [](PrintForm& form) { return form.OkClick(); };
  FilePrint(context, window);
  EXPECT_EQ(jobs, 1);
  EXPECT_TRUE(context.state.cancel);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Drucker kann nicht gestartet werden");
}

TEST_F(PrintFormTest, WithoutTheDialogThePrintoutTakesTheOpeningSettings) {
  config.printDialog = false;
  config.printOriginY = 9;
  std::vector<PrintSettings> jobs;
  ui.onPrintGraphics = [&](const GraphicsPrintJob& job) { return jobs.push_back(job.settings), true; };
  FilePrint(context, window);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].originY, 9);
}

TEST_F(PrintFormTest, FitResetsZoomAndStretchesTheWholePicture) {
  window.Header(0, 0, 100, 50);
  window.line(0, 0, 100, 50);
  window.SetScale(100, 100, 200, 200);  // zoomed in
  ui.onPrintForm = [](PrintForm& form) {
    form.fitToPage = true;
    return form.OkClick();
  };
  GraphicsState printed;
  ui.onPrintGraphics = [&](const GraphicsPrintJob& job) { return printed = job.window.State(), true; };
  FilePrint(context, window);
  EXPECT_EQ(printed.zoom, printed.viewport);
  EXPECT_FALSE(printed.keepAspect);
}

}  // namespace
}  // namespace kalo::testing
