#pragma once
// What the window benchmarks start from: the large body, calculated and named, with the
// block files of its title block in a directory of the benchmark.
#include "bench_support.h"
#include "calc/calculation.h"

namespace kalo::bench {

inline void PrepareLargeSheet(Context& context, const BenchDirectory& directory) {
  SetLargeBody(context.body);
  Calculate(context.body, context.config, context.messages);
  context.config.tempDirectory = directory.Path();
  context.state.currentFileName = "large";
}

}  // namespace kalo::bench
