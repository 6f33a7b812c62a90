#pragma once
// A program context for CAD output tests: a fresh temporary folder that is also the
// current directory, a recording graphics window and the data file "part".
#include <gtest/gtest.h>

#include <string>

#include "cad/recording_plotter.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {

class CadFixture : public ::testing::Test {
 protected:
  CadFixture();

  // Reads the DXF file with ezdxf (tests/cad/dxf_check.py): fails the test on read or audit
  // errors and returns the reader's summary as JSON.
  std::string CheckWithEzdxf(const std::string& path);
  // The messages shown, joined by "|".
  std::string Messages() const;

  TempDir dir;
  TestContext test;
  Context& context = test.context;
  RecordingPlotter plotter;
};

}  // namespace kalo::testing
