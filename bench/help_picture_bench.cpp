// Speed of a help picture: the largest shipped plot file interpreted into the display list
// of the graphics window, and that list replayed on a canvas (the window's repaint).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "../tests/support/recording_canvas.h"
#include "bench_host.h"
#include "bench_support.h"
#include "graphics/screen_graphics.h"
#include "graphics/screen_plotter.h"
#include "help/help_picture.h"

namespace kalo::bench {
namespace {

std::string LargestShippedPicture() {
  std::filesystem::path largest;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(KALO_SOURCE_DIR) + "/data"))
    if (entry.path().extension() == ".plt" &&
        (largest.empty() || entry.file_size() > std::filesystem::file_size(largest)))
      largest = entry.path();
  return largest.string();
}

void BM_LargestHelpPictureDrawnAndReplayed(benchmark::State& state) {
  BenchContext bench;
  Context& context = bench.context;
  context.config.resolutionX = 1023;
  context.config.resolutionY = 767;
  BenchHost host;
  ScreenGraphics graphics(context, host);
  context.screenPlotter = &graphics.plotter;
  std::string path = LargestShippedPicture();
  testing::RecordingCanvas canvas;
  for (auto _ : state) {
    ShowHelpPictureFile(context, path);
    canvas.calls.clear();
    canvas.texts.clear();
    graphics.window.FormPaint(canvas);
    benchmark::DoNotOptimize(canvas.calls.data());
  }
  if (context.state.cancel) state.SkipWithError("the picture was not found");
  state.counters["records"] = static_cast<double>(graphics.window.List().Size());
}
BENCHMARK(BM_LargestHelpPictureDrawnAndReplayed)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalo::bench
