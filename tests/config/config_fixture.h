#pragma once
// A context whose configuration directory is a fresh temporary directory, and the lines of
// the hand-built configuration file of the initial record to derive test files from.
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {

struct ConfigFixture {
  ConfigFixture() {
    context.configDirectory = dir.Path();
    context.state.startupDirectory = dir.Path();
  }

  std::string ConfigFile() const { return dir.File("kalo.cfg"); }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

// The golden file of the initial record, one entry per line.
std::vector<std::string> InitialConfigurationLines();
std::string InitialConfigurationPath();
// Replaces the value line after the first key line equal to key (a UTF-8 literal).
void SetValue(std::vector<std::string>& lines, const std::string& key, const std::string& value);
// Drops every line after the value line of key.
void CutAfterValue(std::vector<std::string>& lines, const std::string& key);
void WriteLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace kalo::testing
