// Speed of the graphics window's repaint: the drawing sheet of a 200-element body with
// arcs, hatched, replayed onto a full HD image.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>

#include "cad/cad_driver.h"
#include "large_sheet.h"
#include "qt/graph_widget.h"
#include "views/show_view.h"

namespace kalo::bench {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void BM_DrawingSheetRepaint(benchmark::State& state) {
  BenchContext bench;
  BenchDirectory directory;
  Context& context = bench.context;
  PrepareLargeSheet(context, directory);
  context.config.resolutionX = kWidth - 1;
  context.config.resolutionY = kHeight - 1;
  GraphWidget widget(context);
  if (!ShowView(context, kCadScreen, ViewNumber::DrawingSheet)) state.SkipWithError("the sheet was not drawn");
  QCoreApplication::processEvents();  // the window's own first paint
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    widget.Render(image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["records"] = static_cast<double>(widget.Window().List().Size());
}
BENCHMARK(BM_DrawingSheetRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalo::bench
