// Graphics printouts through Qt's printing onto a PDF page, rendered by poppler's pdftoppm
// and looked at pixel by pixel; and the print dialog on the form model.
#include <gtest/gtest.h>

#include <algorithm>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "graphics/graph_fixture.h"
#include "platform/codepage.h"
#include "print/print_job.h"
#include "qt/graph_widget.h"
#include "qt/main_window.h"
#include "qt/print_dialog.h"
#include "qt/qt_ui.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo {
namespace {

using testing::RunProcess;
using testing::TempDir;

constexpr int kRenderDpi = 30;  // an A4 page of 248 by 351 pixels

class GraphicsPrintout : public testing::GraphTest {
 protected:
  GraphicsPrintout() : printer(QPrinter::HighResolution) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("page.pdf")));
    printer.setFullPage(true);  // the printable page is the whole sheet
    ui.GraphicsPrinting().UsePrinter(&printer);
    config.backgroundColour = 0xFFFFFF;
    // A red square over the whole window with a red text on it.
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 100);
    window.SetColor(4);
    window.Solid(0, 0, 100, 0, 100, 100, 0, 100);
    window.SetColor(12);
    window.SetTextStyle(0, 0, 10, 10);
    window.OutTextXY("KALO", 10, 10);
  }

  // The printout of the window as the page looks.
  QImage Print(const PrintSettings& settings) {
    EXPECT_TRUE(ui.PrintGraphics({window, settings}));
    EXPECT_EQ(RunProcess(dir.Path(),
                         {"/usr/bin/pdftoppm", "-png", "-r", std::to_string(kRenderDpi), "-singlefile", "page.pdf",
                          "page"},
                         {})
                  .exitCode,
              0);
    return QImage(QString::fromStdString(dir.File("page.png"))).convertToFormat(QImage::Format_RGB32);
  }

  static bool White(QRgb pixel) { return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240; }
  static bool Red(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }
  // Where the picture begins along the middle row: the first column that is not white.
  static int FirstInkColumn(const QImage& page) {
    int y = page.height() / 2;
    for (int x = 0; x < page.width(); ++x)
      if (!White(page.pixel(x, y))) return x;
    return page.width();
  }
  static int LastInkColumn(const QImage& page) {
    int y = page.height() / 2;
    for (int x = page.width() - 1; x >= 0; --x)
      if (!White(page.pixel(x, y))) return x;
    return -1;
  }

  TempDir dir;
  QtUi ui{config};
  QPrinter printer;
};

TEST_F(GraphicsPrintout, ScaleOneFillsThePageAndOriginXShiftsByATenthOfTheWidth) {
  config.printColourMode = PrintColours::Colour;
  QImage full = Print({});
  ASSERT_FALSE(full.isNull());
  EXPECT_LE(FirstInkColumn(full), 1);
  EXPECT_GE(LastInkColumn(full), full.width() - 2);
  EXPECT_TRUE(Red(full.pixel(full.width() / 2, full.height() / 4)));

  PrintSettings shifted;
  shifted.originX = 21;
  QImage page = Print(shifted);
  EXPECT_NEAR(FirstInkColumn(page), page.width() / 10, 1);
}

TEST_F(GraphicsPrintout, OriginYShiftsDownByATenthOfTheWidthNotOfTheHeight) {
  PrintSettings shifted;
  shifted.originY = 21;
  QImage page = Print(shifted);
  int x = page.width() / 2, top = 0;
  while (top < page.height() && White(page.pixel(x, top))) ++top;
  EXPECT_NEAR(top, page.width() / 10, 1);
}

TEST_F(GraphicsPrintout, HalfScaleLeavesTheRightHalfWhite) {
  PrintSettings half;
  half.scaleX = 0.5L;
  QImage page = Print(half);
  EXPECT_NEAR(LastInkColumn(page), page.width() / 2, 1);
  for (int y = 0; y < page.height(); y += 7)
    for (int x = page.width() / 2 + 2; x < page.width(); ++x) ASSERT_TRUE(White(page.pixel(x, y))) << x << "," << y;
}

TEST_F(GraphicsPrintout, MonochromePrintsOnlyBlack) {
  config.printColourMode = PrintColours::Mono;
  QImage page = Print({});
  int coloured = 0, dark = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      QRgb p = page.pixel(x, y);
      coloured += std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 16;
      dark += qRed(p) < 64;
    }
  EXPECT_EQ(coloured, 0);
  EXPECT_GT(dark, page.width() * page.height() / 2);
  config.printColourMode = PrintColours::Colour;
  QImage colour = Print({});
  EXPECT_TRUE(Red(colour.pixel(colour.width() / 2, colour.height() / 4)));
}

TEST_F(GraphicsPrintout, ThePageTakesTheJobsOrientation) {
  PrintSettings landscape;
  landscape.landscape = true;
  QImage page = Print(landscape);
  EXPECT_GT(page.width(), page.height());
}

TEST(PrintDialog, ShowsTheFormTakesTypedValuesAndStaysOpenForABadScale) {
  testing::TestContext test;
  test.ui.printerName = "Laser";
  PrintForm form(test.context, {1.9L, 1, 0, 0, false, false});
  PrintDialog dialog(form, false);
  auto edit = [&](const char* name) { return dialog.findChild<QLineEdit*>(name); };
  EXPECT_EQ(dialog.windowTitle(), "Ausdruck");
  EXPECT_EQ(edit("Edit_scalex")->text(), "1.9");
  EXPECT_TRUE(dialog.findChild<QLabel*>("Label_printer")->text().startsWith("Laser "));
  std::vector<QString> buttons;
  for (auto* button : dialog.findChildren<QPushButton*>()) buttons.push_back(button->text());
  EXPECT_NE(std::find(buttons.begin(), buttons.end(), QString::fromUtf8("Ü&bernehmen Datenbank")), buttons.end());

  edit("Edit_scaley")->setText("0");
  dialog.findChild<QPushButton*>("Button_ok")->click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(test.ui.messages.size(), 1u);

  edit("Edit_scaley")->setText("0,5");
  edit("Edit_originx")->setText("21");
  dialog.findChild<QCheckBox*>("CheckBox_umrandung")->setChecked(true);
  dialog.findChild<QCheckBox*>("CheckBox_anpassen")->setChecked(true);
  dialog.findChild<QGroupBox*>("RadioGroup_ausdruck")->findChildren<QRadioButton*>()[1]->setChecked(true);
  dialog.findChild<QPushButton*>("Button_ok")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(test.context.print.settings.scaleY, 0.5L);
  EXPECT_EQ(test.context.print.settings.originX, 21);
  EXPECT_TRUE(test.context.print.settings.border);
  EXPECT_TRUE(test.context.print.settings.landscape);
  EXPECT_TRUE(form.fitToPage);
}

TEST(PrintMenu, FilePrintOpensTheDialogAndPrintsTheMainWindowsPicture) {
  testing::TestContext test;
  MainWindow window(test.context);
  int forms = 0;
  const GraphWindow* printed = nullptr;
  test.ui.onPrintForm = [&](PrintForm& form) { return ++forms, form.OkClick(); };
  test.ui.onPrintGraphics = [&](const GraphicsPrintJob& job) { return printed = &job.window, true; };
  window.findChild<QAction*>("mi_filePrint")->trigger();
  EXPECT_EQ(forms, 1);
  EXPECT_EQ(printed, &window.Graph().Window());
}

}  // namespace
}  // namespace kalo
