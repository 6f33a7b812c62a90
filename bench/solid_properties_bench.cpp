// Speed of the true-arc integration: a 200-element contour with 50 arcs, the integrals
// alone, the whole calculation with chords and with "Bögen exakt" (which still builds the
// chord polygon that the views draw), and every property of the solid element by element.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "calc/calculation.h"
#include "calc/contour_integrals.h"
#include "calc/solid_properties.h"

namespace kalo::bench {
namespace {

// What the calculation adds up over the true arcs.
void BM_ExactArcIntegrals200Elements(benchmark::State& state) {
  BenchContext bench;
  SetLargeBody(bench.context.body);
  for (auto _ : state) {
    RegionIntegrals total = ExactSectionIntegrals(bench.context.body.contour);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_ExactArcIntegrals200Elements);

// The whole calculation of the same contour with chords and with the true arcs.
void RunCalculation(benchmark::State& state, bool exactArcs) {
  BenchContext bench;
  SetLargeBody(bench.context.body);
  bench.context.config.exactArcs = exactArcs;
  for (auto _ : state) {
    Calculate(bench.context.body, bench.context.config, bench.context.messages);
    benchmark::DoNotOptimize(bench.context.body.results);
  }
  if (bench.context.messages.Fatal()) state.SkipWithError("calculation failed");
}

void BM_CalculateChords200Elements(benchmark::State& state) { RunCalculation(state, false); }
BENCHMARK(BM_CalculateChords200Elements);

void BM_CalculateExactArcs200Elements(benchmark::State& state) { RunCalculation(state, true); }
BENCHMARK(BM_CalculateExactArcs200Elements);

void BM_SolidProperties200Elements(benchmark::State& state) {
  BenchContext bench;
  SetLargeBody(bench.context.body);
  Calculate(bench.context.body, bench.context.config, bench.context.messages);
  NumberFormat format = bench.context.Numbers();
  for (auto _ : state) {
    SolidProperties solid =
        ComputeSolidProperties(bench.context.body, ArcModel::Exact, bench.context.messages, format);
    benchmark::DoNotOptimize(solid);
  }
}
BENCHMARK(BM_SolidProperties200Elements);

}  // namespace
}  // namespace kalo::bench
