// Speed of the data file overview: a folder of data files of 50 elements each (every
// fourth point rounded by an arc) scanned into its grid rows, as File → Öffnen (Tabelle)
// does before the grid shows.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "datafile/data_file_table.h"
#include "datafile/data_file_writer.h"

namespace kalo::bench {
namespace {

void SetBodyOf50Elements(Body& body, int variant) {
  constexpr int kElements = 50;
  body.contour.Reset();
  body.contour[1] = {0, 0, 0};
  for (int i = 2; i < kElements; ++i) {
    long double phi = i % 4 == 0 ? std::numbers::pi_v<long double> / 4 : 0;
    body.contour[i] = {static_cast<long double>(i), 20.0L + (i + variant) % 5, phi};
  }
  body.contour[kElements] = {kElements, 0, 0};
  body.contour.count = kElements;
  body.texts.name = "Welle " + std::to_string(variant);
}

void BM_OverviewOfDataFiles(benchmark::State& state) {
  BenchDirectory directory;
  BenchContext bench;
  Context& context = bench.context;
  context.state.dataDirectory = directory.Path();
  auto files = static_cast<int>(state.range(0));
  for (int n = 0; n < files; ++n) {
    SetBodyOf50Elements(context.body, n);
    if (!WriteDataFile(context, "w" + std::to_string(n))) state.SkipWithError("cannot write the data files");
  }
  for (auto _ : state) {
    DataFileTable table;
    ScanDataFiles(context, table);
    if (table.rows.size() != static_cast<size_t>(files)) state.SkipWithError("rows missing");
    benchmark::DoNotOptimize(table.rows.data());
  }
}
BENCHMARK(BM_OverviewOfDataFiles)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace kalo::bench
