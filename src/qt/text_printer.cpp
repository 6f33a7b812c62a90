#include "qt/text_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "qt/qt_text.h"

namespace kalo {
namespace {

// Shows the print dialog with the page range 1..pageCount preset; false when cancelled.
bool AskPrintDialog(QPrinter& printer, int pageCount, QWidget* parent) {
  printer.setFromTo(1, pageCount);
  printer.setPrintRange(QPrinter::PageRange);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  dialog.setMinMax(1, pageCount);
  return dialog.exec() == QDialog::Accepted;
}

PageRange ChosenRange(const QPrinter& printer, int pageCount) {
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
    return {printer.fromPage(), printer.toPage()};
  return {1, pageCount};
}

bool PrintPages(QPrinter& printer, const std::vector<PrintedPage>& pages, const PrintoutFont& font, int linesPerPage) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(QFont(QtFont(font), &printer));
  int lineHeight = PrinterLineHeight(printer.height(), linesPerPage);
  int ascent = painter.fontMetrics().ascent();
  bool printed = true;
  for (size_t i = 0; i < pages.size() && printed; ++i) {
    if (i > 0) printed = printer.newPage();
    for (const PrintedLine& line : pages[i].lines) painter.drawText(0, line.row * lineHeight + ascent, FromUtf8(line.text));
  }
  return painter.end() && printed;
}

}  // namespace

QFont QtFont(const PrintoutFont& font) {
  QFont qtFont(FromUtf8(font.name), font.pointSize);
  qtFont.setStyleHint(QFont::Monospace);
  qtFont.setFixedPitch(true);
  qtFont.setBold(font.bold);
  qtFont.setItalic(font.italic);
  qtFont.setUnderline(font.underline);
  qtFont.setStrikeOut(font.strikeOut);
  return qtFont;
}

void TextPrinter::UsePrinter(QPrinter* printer, bool showPrintDialog) {
  printer_ = printer;
  showPrintDialog_ = showPrintDialog;
}

bool TextPrinter::Print(Context& context, const std::vector<std::string>& lines, QWidget* parent) {
  std::unique_ptr<QPrinter> systemPrinter;
  QPrinter* printer = printer_;
  if (!printer) {
    systemPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer = systemPrinter.get();
  }
  printer->setPageOrientation(QPageLayout::Portrait);
  int pageCount = CountPages(lines);
  if ((showPrintDialog_ || !printer_) && !AskPrintDialog(*printer, pageCount, parent)) return false;
  std::vector<PrintedPage> pages = PagesToPrint(lines, ChosenRange(*printer, pageCount));
  if (pages.empty()) return false;
  if (PrintPages(*printer, pages, PrintoutFontOf(context.config), context.config.linesPerPage)) return true;
  ErrorBox(context, "Drucker kann nicht gestartet werden");
  return false;
}

}  // namespace kalo
