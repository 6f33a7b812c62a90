// Speed of the contour checks the element list runs after every change, on outlines of
// about 2000 chord points (the size of the calculation polygon).
#include <benchmark/benchmark.h>

#include <cmath>

#include "calc/contour_check.h"
#include "geometry/plane_geometry.h"

namespace kalo::bench {
namespace {

// A ring of 200 elements about (0, 150), radius 100, each with an arc of 1.8 degrees but
// the last (the outline closes straight); divided into 10 chords each the outline has 1991
// points.
void SetRing(Contour& contour) {
  contour.Reset();
  long double turn = 2 * kPi / kMaxElements;
  for (int i = 1; i <= kMaxElements; ++i)
    contour[i] = {100 * std::cos((i - 1) * turn), 150 + 100 * std::sin((i - 1) * turn), turn};
  contour.count = kMaxElements;
}

// A shaft 197 mm long, closed along the axis, with 197 ribs along its top, each a half
// circle of 1 mm diameter; divided into 10 chords each the outline has 1973 points.
void SetRibbedShaft(Contour& contour) {
  contour.Reset();
  contour[1] = {0, 0, 0};
  contour[2] = {kMaxElements - 3, 0, 0};
  for (int i = 3; i <= kMaxElements; ++i) contour[i] = {static_cast<long double>(kMaxElements - i), 20, kPi};
  contour[kMaxElements].phi = 0;
  contour.count = kMaxElements;
}

void RunCheck(benchmark::State& state, void (*setContour)(Contour&), long double divisionDegrees) {
  Contour contour;
  setContour(contour);
  if (CheckContour(contour, divisionDegrees).Any()) {
    state.SkipWithError("the outline should have no findings");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(CheckContour(contour, divisionDegrees));
}

void BM_ContourCheckRing(benchmark::State& state) { RunCheck(state, SetRing, 0.181L); }
void BM_ContourCheckRibbedShaft(benchmark::State& state) { RunCheck(state, SetRibbedShaft, 18); }

BENCHMARK(BM_ContourCheckRing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContourCheckRibbedShaft)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalo::bench
