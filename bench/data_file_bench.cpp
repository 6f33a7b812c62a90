// Speed of opening a data file: read, check and calculate a body of 200 elements with a
// full change history, written into a temporary directory at the start.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "datafile/data_file_reader.h"
#include "datafile/data_file_writer.h"

namespace kalo::bench {
namespace {

void BM_ReadAndCalculate200Elements(benchmark::State& state) {
  BenchDirectory directory;
  BenchContext bench;
  Context& context = bench.context;
  context.state.dataDirectory = directory.Path();
  SetLargeBody(context.body);
  if (!WriteDataFile(context, "large")) state.SkipWithError("cannot write the data file");
  for (auto _ : state) {
    bool read = ReadDataFile(context, "large").IsDone();
    benchmark::DoNotOptimize(read);
    benchmark::DoNotOptimize(context.body.volume);
  }
}
BENCHMARK(BM_ReadAndCalculate200Elements)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalo::bench
