// Speed of opening a data file: read, check and calculate a body of 200 elements with a
// full change history, written into a temporary directory at the start.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <numbers>

#include "app/context.h"
#include "model/data_file_reader.h"
#include "model/data_file_writer.h"
#include "platform/codepage.h"
#include "platform/console_ui.h"
#include "platform/platform.h"

namespace kalo {
namespace {

struct BenchContext {
  ConsoleUi ui{std::cout, std::cerr};
  PosixPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context{ui, platform, clock};
};

// A ribbed outline of 200 elements along the top, every fourth point rounded by a 45 degree
// arc, closed along the axis; 25 changes and 8 placed texts.
void SetLargeBody(Body& body) {
  body.contour.Reset();
  body.contour[1] = {0, 0, 0};
  for (int i = 2; i < kMaxElements; ++i) {
    long double phi = i % 4 == 0 ? std::numbers::pi_v<long double> / 4 : 0;
    body.contour[i] = {static_cast<long double>(i), 20.0L + i % 5, phi};
  }
  body.contour[kMaxElements] = {kMaxElements, 0, 0};
  body.contour.count = kMaxElements;
  body.documentation.changes.assign(kMaxChanges, Change{Oem("Ergänzung"), "07.12.2026", "Maier", "Zeile 1\nZeile 2"});
  body.documentation.information.placedTexts.assign(kMaxPlacedTexts, PlacedText{10, 20, 3.5L, 0, "Text"});
}

void BM_ReadAndCalculate200Elements(benchmark::State& state) {
  std::string directory = (std::filesystem::temp_directory_path() / "kalo-bench-XXXXXX").string();
  if (!mkdtemp(directory.data())) {
    state.SkipWithError("no temporary directory");
    return;
  }
  BenchContext bench;
  Context& context = bench.context;
  context.state.dataDirectory = directory;
  SetLargeBody(context.body);
  if (!WriteDataFile(context, "large")) state.SkipWithError("cannot write the data file");
  for (auto _ : state) {
    bool read = ReadDataFile(context, "large");
    benchmark::DoNotOptimize(read);
    benchmark::DoNotOptimize(context.body.volume);
  }
  std::filesystem::remove_all(directory);
}
BENCHMARK(BM_ReadAndCalculate200Elements)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalo
