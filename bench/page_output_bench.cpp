// Speed of the drawing sheet of a 200-element body with arcs, hatched, written as an SVG
// file (the target: under 5 ms) and as a PDF file with its embedded font (under 30 ms).
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "calc/calculation.h"
#include "views/show_view.h"

namespace kalo::bench {
namespace {

void BM_DrawingSheetOnPage(benchmark::State& state) {
  const int target = static_cast<int>(state.range(0));
  BenchContext bench;
  BenchDirectory directory;
  Context& context = bench.context;
  SetLargeBody(context.body);
  Calculate(context);
  context.config.tempDirectory = directory.Path();
  context.state.currentFileName = "large";
  // The CAD batch chain names the file after the data file, in the current directory.
  std::string previous = context.platform.CurrentDirectory();
  if (!directory.Ok() || !context.platform.ChangeDirectory(directory.Path())) {
    state.SkipWithError("no temporary directory");
    return;
  }
  context.state.cadBatch = true;
  for (auto _ : state) {
    if (!ShowView(context, target, kViewDrawingSheet)) state.SkipWithError("the file was not written");
  }
  context.platform.ChangeDirectory(previous);
  state.SetLabel(target == kCadSvg ? "SVG" : "PDF");
}
BENCHMARK(BM_DrawingSheetOnPage)->Arg(kCadSvg)->Arg(kCadPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalo::bench
