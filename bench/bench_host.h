#pragma once
// A graphics window host without a window: the screen drawings of the benchmarks are
// recorded as in the program, nothing is shown.
#include "../tests/support/recording_canvas.h"
#include "graphics/graph_host.h"

namespace kalo::bench {

class BenchHost : public GraphHost {
 public:
  void RequestRepaint() override {}
  void ShowWindow() override {}
  void SetWaitCursor(bool) override {}
  void ProcessPendingEvents() override {}
  ClientSize ClientArea() const override { return {1024, 768}; }
  Canvas& DirectCanvas() override { return direct_; }
  void Pause(int) override {}

 private:
  testing::RecordingCanvas direct_;
};

}  // namespace kalo::bench
