// Speed of the drawing sheet of a 200-element body with arcs, hatched: written as a DXF,
// SVG or PDF file, and its recorded screen drawing replayed on a canvas (the window's repaint).
#include <benchmark/benchmark.h>

#include "../tests/support/recording_canvas.h"
#include "bench_host.h"
#include "bench_support.h"
#include "cad/cad_driver.h"
#include "calc/calculation.h"
#include "graphics/screen_graphics.h"
#include "graphics/screen_plotter.h"
#include "views/show_view.h"

namespace kalo::bench {
namespace {

// The large body, calculated, with its block files in the directory.
void PrepareSheet(Context& context, const BenchDirectory& directory) {
  SetLargeBody(context.body);
  Calculate(context.body, context.config, context.messages);
  context.config.tempDirectory = directory.Path();
  context.state.currentFileName = "large";
}

// The drawing sheet as a DXF file (target: under 5 ms), an SVG file (under 5 ms) and a PDF
// file with its embedded font (under 30 ms).
void BM_DrawingSheetAsFile(benchmark::State& state) {
  const int target = static_cast<int>(state.range(0));
  BenchContext bench;
  BenchDirectory directory;
  Context& context = bench.context;
  PrepareSheet(context, directory);
  // The CAD batch chain names the file after the data file, in the current directory.
  std::string previous = context.platform.CurrentDirectory();
  if (!directory.Ok() || !context.platform.ChangeDirectory(directory.Path())) {
    state.SkipWithError("no temporary directory");
    return;
  }
  context.state.cadBatch = true;
  for (auto _ : state) {
    if (!ShowView(context, target, ViewNumber::DrawingSheet)) state.SkipWithError("the file was not written");
  }
  context.platform.ChangeDirectory(previous);
  state.SetLabel(target == kCadDxf ? "DXF" : target == kCadSvg ? "SVG" : "PDF");
  state.counters["hatch points"] = context.hatch.count;
  state.counters["messages"] = static_cast<double>(context.messages.Count());
}
BENCHMARK(BM_DrawingSheetAsFile)->Arg(kCadDxf)->Arg(kCadSvg)->Arg(kCadPdf)->Unit(benchmark::kMillisecond);

void BM_DrawingSheetReplay(benchmark::State& state) {
  BenchContext bench;
  BenchDirectory directory;
  Context& context = bench.context;
  PrepareSheet(context, directory);
  context.config.resolutionX = 1023;
  context.config.resolutionY = 767;
  BenchHost host;
  ScreenGraphics graphics(context, host);
  context.screenPlotter = &graphics.plotter;
  if (!ShowView(context, kCadScreen, ViewNumber::DrawingSheet)) state.SkipWithError("the sheet was not drawn");
  testing::RecordingCanvas canvas;
  for (auto _ : state) {
    canvas.calls.clear();
    canvas.texts.clear();
    graphics.window.FormPaint(canvas);
    benchmark::DoNotOptimize(canvas.calls.data());
  }
  state.counters["canvas calls"] = static_cast<double>(canvas.calls.size());
}
BENCHMARK(BM_DrawingSheetReplay)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalo::bench
