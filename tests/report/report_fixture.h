#pragma once
// A program context whose temporary, help and working folders are one fresh directory,
// for tests of the text output channel and the reports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/text_output.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {

class ReportTest : public ::testing::Test {
 protected:
  ReportTest() {
    context.config.tempDirectory = dir.Path();
    context.config.pltDirectory = dir.Path();
    context.config.htmlBrowser.clear();
    test.platform.currentDirectory = dir.Path();
    test.platform.printerPortDirectory = dir.Path();
    context.state.currentFileName = "welle";
    context.state.dataDirectory = "/daten/";
  }

  // The lines of a file written with CR LF line ends; empty when the file is missing.
  std::vector<std::string> FileLines(const std::string& path) const {
    std::string bytes = ReadBytes(path);
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
      size_t end = bytes.find("\r\n", start);
      if (end == std::string::npos) end = bytes.size();
      lines.push_back(bytes.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  std::vector<std::string> DosLines() const { return FileLines(dir.File("OUTDOS.TXT")); }
  // A file of the run's private folder, which lies in the temporary folder.
  std::string Scratch(const std::string& name) const {
    EXPECT_EQ(context.scratchFolder.Path().rfind(dir.Path() + "/kalo-", 0), 0u) << context.scratchFolder.Path();
    return context.scratchFolder.Path() + name;
  }

  // Opens target 8 ("OUTDOS.TXT" in the temporary folder), which keeps every line.
  TextOutput OpenDosFile() {
    TextOutput output(context);
    EXPECT_TRUE(output.Open(kTargetDosFile));
    return output;
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

}  // namespace kalo::testing
