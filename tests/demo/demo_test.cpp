// The self-running demonstration: its script, its steps and the program state it leaves.
#include <gtest/gtest.h>

#include "datafile/data_file_reader.h"
#include "demo/demo_run.h"
#include "demo/demo_script.h"
#include "platform/paths.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"
#include "views/show_view.h"

namespace kalo::testing {
namespace {

TEST(DemoScriptTest, StepsCarryTheirCommandNumbersTimeAndText) {
  DemoScript script = ParseDemoScript({"; comment", "", "open examples/my body.kal | 4 | Laden: a|b",
                                       "  view 5 | 2.5 | Zeichnung", "key plus 30 | 1 | Zoom", "key reset | 1 | F5",
                                       "scale 1,2 | 3 | gross", "shift 0 -10 | 3 | aussen", "report 2 | 6 | Bericht",
                                       "calc | 1 | neu", "show|60|Ende"});
  ASSERT_EQ(script.badLine, 0);
  ASSERT_EQ(script.steps.size(), 9u);
  EXPECT_EQ(script.steps[0].command, DemoCommand::Open);
  EXPECT_EQ(script.steps[0].file, "examples/my body.kal");
  EXPECT_EQ(script.steps[0].text, "Laden: a|b");
  EXPECT_EQ(script.steps[0].milliseconds, 4000);
  EXPECT_EQ(script.steps[1].values, (std::vector<long double>{5}));
  EXPECT_EQ(script.steps[1].milliseconds, 2500);
  EXPECT_EQ(script.steps[2].key, 107);
  EXPECT_EQ(script.steps[2].values, (std::vector<long double>{30}));
  EXPECT_EQ(script.steps[3].key, 116);
  EXPECT_TRUE(script.steps[3].values.empty());
  EXPECT_EQ(script.steps[4].values, (std::vector<long double>{1.2L}));
  EXPECT_EQ(script.steps[5].values, (std::vector<long double>{0, -10}));
  EXPECT_EQ(script.steps[8].command, DemoCommand::Show);
  EXPECT_EQ(script.steps[8].milliseconds, 60000);
}

TEST(DemoScriptTest, TheFirstBadLineIsNamedAndNothingIsKept) {
  for (const char* bad :
       {"jump 3 | 2 | x", "view 5 | Text ohne Zeit", "view 7 | 2 | x", "view 2.5 | 2 | x", "key home | 2 | x",
        "key plus 0 | 2 | x", "scale 0 | 2 | x", "scale -1 2 | 2 | x", "shift 5 | 2 | x", "report 3 | 2 | x",
        "open | 2 | x", "calc 1 | 2 | x", "show | 0 | x", "show | 61 | x", "show | nan | x", "| 2 | x"}) {
    DemoScript script = ParseDemoScript({"show | 2 | gut", "; dazwischen", bad, "bad again"});
    EXPECT_EQ(script.badLine, 3) << bad;
    EXPECT_TRUE(script.steps.empty()) << bad;
  }
}

TEST(DemoScriptTest, TheShippedScriptParsesAndFindsItsExamples) {
  std::string path = ShippedFilePath(KALO_SOURCE_DIR "/data", "kalo.dem");
  std::vector<std::string> lines;
  Outcome read = ReadTextLines(path, lines);
  ASSERT_TRUE(read) << read.Message();
  DemoScript script = ParseDemoScript(lines);
  ASSERT_EQ(script.badLine, 0);
  EXPECT_GE(script.steps.size(), 10u);
  for (const DemoStep& step : script.steps) {
    if (step.command != DemoCommand::Open) continue;
    EXPECT_TRUE(FileExists(ShippedFilePath(DirectoryOf(path), step.file))) << step.file;
  }
}

class DemoRun : public ::testing::Test {
 protected:
  DemoRun() {
    context.config.tempDirectory = dir.Path();
    test.platform.currentDirectory = dir.Path();
    EXPECT_TRUE(ReadDataFile(context, KALO_SOURCE_DIR "/data/examples/shaft.kal"));
    context.body.rho = 7.85L;  // changed since it was read
    context.state.modified = true;
    context.config.zoomFactor = 1.5L;
    context.config.textDevice = kTargetFile;
    ShowView(context, kCadScreen, ViewNumber::Table);
    before = context.body;
    stateBefore = context.state;
    configBefore = context.config;
  }

  DemoScript Script() const {
    return ParseDemoScript({"open examples/pulley.kal | 3 | Riemenscheibe", "view 5 | 3 | Zeichnung",
                            "key plus 3 | 2 | Zoom", "report 2 | 3 | Bericht", "scale 1.2 | 3 | groesser",
                            "shift 0 10 | 3 | aussen", "calc | 1 | neu", "view 1 | 3 | Ergebnis"});
  }

  void ExpectStateAsBefore() {
    EXPECT_EQ(context.body.contour, before.contour);
    EXPECT_EQ(context.body.rho, before.rho);
    EXPECT_EQ(context.body.mass, before.mass);
    EXPECT_EQ(context.state.currentFileName, "shaft");
    EXPECT_EQ(context.state.currentFileName, stateBefore.currentFileName);
    EXPECT_EQ(context.state.dataDirectory, stateBefore.dataDirectory);
    EXPECT_TRUE(context.state.modified);
    EXPECT_EQ(context.state.shownView, ViewNumber::Table);
    EXPECT_EQ(context.config.zoomFactor, 1.5L);
    EXPECT_EQ(context.config.textDevice, kTargetFile);
    EXPECT_EQ(context.config.askTextDevice, configBefore.askTextDevice);
    EXPECT_FALSE(context.state.cancel);
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
  Body before;
  ProgramState stateBefore;
  Configuration configBefore;
  long double massRead = 0, massScaled = 0;
};

TEST_F(DemoRun, AKeyAfterTheSecondStepEndsItAndLeavesTheProgramAsItWas) {
  int steps = 0;
  test.ui.onDemoStep = [&](const std::string&) { return ++steps < 2; };
  RunDemo(context, Script(), KALO_SOURCE_DIR "/data");
  ASSERT_EQ(test.ui.demoSteps.size(), 2u);
  EXPECT_EQ(test.ui.demoSteps[1].text, "Zeichnung");
  EXPECT_EQ(test.ui.demoSteps[1].milliseconds, 3000);
  EXPECT_TRUE(test.ui.graphicsKeys.empty());
  ExpectStateAsBefore();
}

TEST_F(DemoRun, AFullRunReachesEveryStepAndStillRestores) {
  test.ui.onDemoStep = [&](const std::string& text) {
    // The enlarged pulley is heavier than the one read in the first step.
    if (text == "Riemenscheibe") massRead = context.body.mass;
    if (text == "groesser") massScaled = context.body.mass;
    EXPECT_TRUE(test.ui.demonstration);  // the report's text window does not wait
    return true;
  };
  RunDemo(context, Script(), KALO_SOURCE_DIR "/data");
  EXPECT_EQ(test.ui.demoSteps.size(), 8u);
  EXPECT_EQ(test.ui.graphicsKeys, (std::vector<int>{107, 107, 107}));
  ASSERT_EQ(test.ui.shownTextFiles.size(), 1u);  // the report in the text window, no question
  EXPECT_FALSE(test.ui.demonstration);
  EXPECT_NEAR(static_cast<double>(massScaled / massRead), 1.2 * 1.2 * 1.2, 1e-6);
  ExpectStateAsBefore();
}

TEST_F(DemoRun, AScriptWithABadLineNamesItAndRunsNothing) {
  WriteBytes(dir.File("kalo.dem"), "show | 2 | gut\r\nview 9 | 2 | falsch\r\n");
  context.config.pltDirectory = dir.Path();
  test.ui.onDemoStep = [](const std::string&) { return true; };
  HelpDemo(context);
  EXPECT_TRUE(test.ui.demoSteps.empty());
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, "Fehler im Demoskript, Zeile 2: " + dir.File("kalo.dem"));
}

}  // namespace
}  // namespace kalo::testing
