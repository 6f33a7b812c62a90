// Speed of opening the configuration dialog: the form filled from the configuration, the
// nine pages built and the first page painted.
#include <benchmark/benchmark.h>

#include <QPixmap>

#include "bench_support.h"
#include "config/config_form.h"
#include "qt/config_dialog.h"

namespace kalo::bench {
namespace {

void BM_ConfigDialogToFirstPaint(benchmark::State& state) {
  BenchContext bench;
  for (auto _ : state) {
    SettingsForm form(bench.context);
    ConfigDialog dialog(form, false);
    dialog.show();
    QPixmap firstPaint = dialog.grab();
    benchmark::DoNotOptimize(firstPaint.cacheKey());
  }
}
BENCHMARK(BM_ConfigDialogToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalo::bench
