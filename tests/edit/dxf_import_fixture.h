#pragma once
// A program context for the DXF contour import: a temporary folder, drawings made by
// ezdxf (tests/edit/dxf_drawings.py), and the body compared as it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "edit/dxf_import.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {

class DxfImportFixture : public ::testing::Test {
 protected:
  DxfImportFixture() {
    context.config.tempDirectory = dir.Path();
    test.platform.currentDirectory = dir.Path();
  }

  // The drawing of that kind, written by ezdxf.
  std::string Drawing(const std::string& kind) {
    std::string path = dir.File(kind + ".dxf");
    ProcessResult run =
        RunProcess(dir.Path(), {"/usr/bin/python3", KALO_SOURCE_DIR "/tests/edit/dxf_drawings.py", kind, path}, {});
    EXPECT_EQ(run.exitCode, 0) << run.errorOutput;
    return path;
  }

  // Every value of the body that the import could change, as exact text.
  static std::string Snapshot(const Body& body) {
    std::string text = std::to_string(body.contour.count);
    char buffer[128];
    auto add = [&](long double a, long double b, long double c) {
      std::snprintf(buffer, sizeof buffer, "|%La %La %La", a, b, c);
      text += buffer;
    };
    for (const ContourElement& e : body.contour.slots) add(e.x, e.y, e.phi);
    for (int i = 0; i <= body.polygon.count; ++i) add(body.polygon.points[i].x, body.polygon.points[i].y, 0);
    add(body.results.A, body.results.Jx, body.volume);
    add(body.mass, body.rho, body.arcDivisionAngle);
    return text + body.texts.name;
  }

  std::string Messages() const {
    std::string joined;
    for (const auto& message : test.ui.messages) joined += message.text + "|";
    return joined;
  }

  void ExpectElements(const std::vector<ContourElement>& expected, long double tolerance = 1e-9L) {
    const Contour& contour = context.body.contour;
    ASSERT_EQ(contour.count, expected.size()) << Messages();
    for (size_t i = 0; i < expected.size(); ++i) {
      const ContourElement& got = contour[static_cast<int>(i + 1)];
      EXPECT_NEAR(got.x, expected[i].x, tolerance) << "element " << i + 1;
      EXPECT_NEAR(got.y, expected[i].y, tolerance) << "element " << i + 1;
      EXPECT_NEAR(got.phi, expected[i].phi, tolerance) << "element " << i + 1;
    }
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

}  // namespace kalo::testing
