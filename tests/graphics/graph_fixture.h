#pragma once
// A graphics window on a fake host, on a 640 x 480 client area.
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/screen_graphics.h"
#include "support/recording_canvas.h"
#include "support/test_context.h"

namespace kalo::testing {

class FakeGraphHost : public GraphHost {
 public:
  void RequestRepaint() override { ++repaints; }
  void ShowWindow() override { ++shows; }
  void SetWaitCursor(bool waiting) override { waitCursor = waiting; }
  void ProcessPendingEvents() override {
    ++eventRuns;
    if (onEvents) onEvents();
  }
  ClientSize ClientArea() const override { return client; }
  Canvas& DirectCanvas() override { return direct; }
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }

  int repaints = 0;
  int shows = 0;
  bool waitCursor = false;
  int eventRuns = 0;
  std::function<void()> onEvents;
  ClientSize client{641, 481};
  RecordingCanvas direct;
  std::vector<int> pauses;
};

class GraphTest : public ::testing::Test {
 protected:
  GraphTest() {
    config.resolutionX = 640;
    config.resolutionY = 480;
  }

  // Replays on a fresh canvas and returns its lines.
  std::vector<std::string> Paint() {
    RecordingCanvas canvas;
    window.FormPaint(canvas);
    return canvas.Lines();
  }

  TestContext test;
  Configuration& config = test.context.config;
  FakeGraphHost host;
  ScreenGraphics graphics{test.context, host};
  GraphWindow& window = graphics.window;
};

}  // namespace kalo::testing
