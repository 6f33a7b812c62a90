// Speed of one round of the element list on a 200-element body with arcs: one element
// changed in the coordinate form, the body calculated and view 2 recorded for the screen,
// the list built again with its warnings, then OK (calculated again, view 1 recorded).
#include <benchmark/benchmark.h>

#include "../tests/support/recording_canvas.h"
#include "bench_host.h"
#include "bench_support.h"
#include "calc/calculation.h"
#include "edit/coordinate_form.h"
#include "edit/element_list.h"
#include "edit/element_list_form.h"
#include "graphics/screen_graphics.h"
#include "graphics/screen_plotter.h"

namespace kalo::bench {
namespace {

// A user who changes element 100 once and then confirms the list.
class ChangingUi : public ConsoleUi {
 public:
  ChangingUi() : ConsoleUi(std::cout, std::cerr) {}
  bool ShowElementList(ElementListForm& form) override {
    form.action = changed_ ? ElementListAction::Ok : ElementListAction::Change;
    form.selected = 100;
    changed_ = !changed_;
    return true;
  }
  bool ShowCoordinateForm(CoordinateForm& form) override {
    form.yText = toggle_ ? "22" : "23";
    toggle_ = !toggle_;
    return form.OkClick();
  }

 private:
  bool changed_ = false;
  bool toggle_ = false;
};

void BM_ElementListRound(benchmark::State& state) {
  ChangingUi ui;
  PosixPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context{ui, platform, clock};
  BenchDirectory directory;
  context.config.tempDirectory = directory.Path();
  context.config.helpLevel = HelpLevel::Normal;
  SetLargeBody(context.body);
  Calculate(context.body, context.config, context.messages);
  BenchHost host;
  ScreenGraphics graphics(context, host);
  context.screenPlotter = &graphics.plotter;
  for (auto _ : state) {
    EditElementList(context);
    if (context.state.cancel) state.SkipWithError("the list was cancelled");
  }
  state.counters["polygon points"] = context.body.polygon.count;
}
BENCHMARK(BM_ElementListRound)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalo::bench
