#pragma once
// A complete program context on scripted parts, dated 7 December 2026, 9:05.
#include "context/context.h"
#include "support/scripted_ui.h"
#include "support/test_platform.h"

namespace kalo::testing {

struct TestContext {
  ScriptedUi ui;
  TestPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context{ui, platform, clock};
};

}  // namespace kalo::testing
