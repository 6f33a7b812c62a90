// Speed of the calculation: a contour of straight elements, and a contour whose arc fills the
// polygon, measured against the sine and cosine calls that the arc needs at the least.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_support.h"
#include "calc/calculation.h"
#include "geometry/plane_geometry.h"

namespace kalo::bench {
namespace {

// A half ring: one half circle from the top (0, 110) about (0, 60) down to (0, 10), divided
// into 1997 chords, gives 1999 polygon points before the closing one. Its chord points lie
// at the polar angles pi/2 + j·pi/1997.
constexpr int kArcChords = 1997;
constexpr long double kCentreY = 60, kRadius = 50;
constexpr long double kArcStart = kPi / 2;

// A stepped shaft outline: 198 points along the top, closed along the axis.
void SetStraightContour(Body& body) {
  body.contour.Reset();
  body.contour[1] = {0, 0, 0};
  for (int i = 2; i < kMaxElements; ++i) body.contour[i] = {static_cast<long double>(i), 10.0L + i % 7, 0};
  body.contour[kMaxElements] = {kMaxElements, 0, 0};
  body.contour.count = kMaxElements;
}

void SetHalfRingContour(Body& body) {
  body.contour.Reset();
  body.contour[1] = {0, kCentreY + kRadius, kPi};
  body.contour[2] = {0, kCentreY - kRadius, 0};
  body.contour.count = 2;
  body.arcDivisionAngle = 180.0L / kArcChords;
}

void RunCalculation(benchmark::State& state, void (*setContour)(Body&), int expectedPoints) {
  BenchContext bench;
  setContour(bench.context.body);
  Calculate(bench.context.body, bench.context.config, bench.context.messages);
  if (bench.context.messages.Fatal() || bench.context.body.polygon.count != expectedPoints + 1) {
    state.SkipWithError("unexpected polygon");
    return;
  }
  for (auto _ : state) {
    Calculate(bench.context.body, bench.context.config, bench.context.messages);
    benchmark::DoNotOptimize(bench.context.body.results);
  }
}

void BM_CalculateStraightElements(benchmark::State& state) {
  RunCalculation(state, SetStraightContour, kMaxElements);
}
BENCHMARK(BM_CalculateStraightElements);

void BM_CalculateArcOf1999Points(benchmark::State& state) {
  RunCalculation(state, SetHalfRingContour, kMaxPolygonIndex - 1);
}
BENCHMARK(BM_CalculateArcOf1999Points);

// The floor of the arc contour: the sine and cosine of each of its 1998 chord points.
void BM_SineCosineFloorOf1998Points(benchmark::State& state) {
  long double delta = kPi / kArcChords;
  for (auto _ : state) {
    for (int j = 0; j <= kArcChords; ++j) {
      long double angle = kArcStart + j * delta;
      benchmark::DoNotOptimize(std::cos(angle));
      benchmark::DoNotOptimize(std::sin(angle));
    }
  }
}
BENCHMARK(BM_SineCosineFloorOf1998Points);

}  // namespace
}  // namespace kalo::bench
