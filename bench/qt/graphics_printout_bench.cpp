// Speed of a graphics printout: the drawing sheet of a 200-element body with arcs, hatched,
// printed through Qt's printing onto a high-resolution PDF page.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPrinter>

#include "cad/cad_driver.h"
#include "context/print_settings.h"
#include "large_sheet.h"
#include "print/print_job.h"
#include "qt/graph_widget.h"
#include "qt/graphics_printer.h"
#include "views/show_view.h"

namespace kalo::bench {
namespace {

void BM_DrawingSheetPrintout(benchmark::State& state) {
  BenchContext bench;
  BenchDirectory directory;
  Context& context = bench.context;
  PrepareLargeSheet(context, directory);
  GraphWidget widget(context);
  if (!ShowView(context, kCadScreen, ViewNumber::DrawingSheet)) state.SkipWithError("the sheet was not drawn");
  QCoreApplication::processEvents();
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(QString::fromStdString(directory.Path() + "/sheet.pdf"));
  GraphicsPrinter printer;
  printer.UsePrinter(&pdf);
  PrintSettings settings = OpeningPrintSettings(context.config, context.cad.viewMarker);
  for (auto _ : state) {
    if (!printer.Print({widget.Window(), settings})) state.SkipWithError("the printer did not start");
  }
  state.counters["records"] = static_cast<double>(widget.Window().List().Size());
}
BENCHMARK(BM_DrawingSheetPrintout)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalo::bench
