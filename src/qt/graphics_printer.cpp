#include "qt/graphics_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "graphics/graph_window.h"
#include "print/print_job.h"
#include "qt/painter_canvas.h"
#include "qt/qt_text.h"

namespace kalo {

namespace {

// The window half of the printer pass: the window shows the picture already.
class ShownCanvas : public Canvas {
 public:
  void SetPen(const Pen&) override {}
  void SetBrush(Rgb) override {}
  void SetBackground(Rgb) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void EllipseArc(int, int, int, int, DevicePoint, DevicePoint) override {}
  void Polygon(std::span<const DevicePoint>) override {}
  void Text(int, int, const std::string&, const FontDescription&, Rgb) override {}
};

QPageLayout::Orientation OrientationOf(bool landscape) {
  return landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

GraphicsPrinter::GraphicsPrinter() = default;
GraphicsPrinter::~GraphicsPrinter() = default;

QPrinter& GraphicsPrinter::Printer() {
  if (chosen_) return *chosen_;
  if (!system_) system_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *system_;
}

QString GraphicsPrinter::Name() { return Printer().printerName(); }

bool GraphicsPrinter::Choose(PrinterChoice& choice, QWidget* parent) {
  QPrinter& printer = Printer();
  printer.setPageOrientation(OrientationOf(choice.landscape));
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  choice.name = Typed(printer.printerName());
  choice.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  return true;
}

bool GraphicsPrinter::Print(const GraphicsPrintJob& job) {
  QPrinter& printer = Printer();
  printer.setPageOrientation(OrientationOf(job.settings.landscape));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  PainterCanvas page(painter);
  PrinterPage printerPage{page, printer.width(), printer.height(), job.settings};
  ShownCanvas window;
  job.window.FormPaint(window, &printerPage);
  return painter.end();
}

}  // namespace kalo
