// The plot program's command line: the parameter form, the question sequence, the batch
// script for long lines, the cancels and what the started program receives.
#include <sys/stat.h>

#include <filesystem>

#include "cad/cad_driver.h"
#include "cad/cad_fixture.h"
#include "cad/plot_command_form.h"
#include "cad/plot_command_questions.h"
#include "cad/plot_command_select.h"
#include "datafile/data_file_reader.h"
#include "dialogs/choice_forms.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "views/show_view.h"

namespace kalo::testing {
namespace {

constexpr int kPlotterChoice = kCadPlotter - 1;

class PlotCommand : public CadFixture {
 protected:
  PlotCommand() { FreshUi(); }

  // A Ui with no answers yet; the rotation question answers `rotate`.
  void FreshUi() {
    test.ui = ScriptedUi();
    test.ui.onYesNoChoice = [this](YesNoChoiceForm& form) {
      form.yes = rotate;
      return true;
    };
  }

  std::string Temp() const { return dir.Path() + "/"; }
  // The program folder of the question sequence, holding the MS-DOS build.
  std::string ProgramFolder() {
    std::filesystem::create_directories(dir.File("pp"));
    WriteBytes(dir.File("pp/penplot.exe"), "");
    return dir.File("pp");
  }
  // Answers for the questions: MS-DOS build in its folder, format, interface, port or file,
  // scale, offsets, text width (rotation from `rotate`).
  void AnswerQuestions(int format, int interface, const std::string& port, const std::string& scale,
                       const std::string& x = "0", const std::string& y = "0") {
    test.ui.choices.insert(test.ui.choices.end(), {1, format - 1, interface - 1});
    test.ui.texts.insert(test.ui.texts.end(), {ProgramFolder(), port, scale, x, y, "1"});
  }
  // The composed line, also when it went into a script because it was too long.
  std::string Composed(const std::string& line) {
    if (line.size() < 3 || line.compare(line.size() - 3, 3, ".sh") != 0) return line;
    std::string script = ReadBytes(line);
    std::string command = script.substr(script.find('\n') + 1);
    command.pop_back();
    std::erase(command, '\'');
    return command;
  }
  Outcome Plot() {
    ReadDataFile(context, KALO_SOURCE_DIR "/data/examples/pulley.kal");
    context.state.cancel = false;
    return ShowView(context, kCadAsk, ViewNumber::GeometryWithTable);
  }

  bool rotate = false;
};

TEST_F(PlotCommand, TheFormComposesTheLineFromItsDefaultsAndEveryChange) {
  PlotCommandForm form(context, "alt /M1.0");
  EXPECT_EQ(form.commandLineText, "alt /M1.0");  // until a control changes
  form.ControlChanged();
  EXPECT_EQ(form.commandLineText, "kalo-plot " + Temp() + "penplot /CHPL");
  EXPECT_EQ(form.outputDirectory, Temp());
  EXPECT_TRUE(form.LptEnabled());
  EXPECT_FALSE(form.ComEnabled() || form.OutdirEnabled() || form.PsFontEnabled());

  form.interfaceChoice = 0;
  form.comPort = "2";
  form.ControlChanged();
  EXPECT_EQ(form.commandLineText, "kalo-plot " + Temp() + "penplot /CHPL /D1 /P3");
  EXPECT_TRUE(form.ComEnabled() && !form.LptEnabled());

  form.interfaceChoice = 2;
  form.outputDirectory = "/plots";
  form.formatChoice = 1;
  form.postScriptFont = "Courier";
  form.scaleText = "2,5";
  form.originX = "10";
  form.originY = "abc";  // no number: counts as 0
  form.textWidthFactor = "0.8";
  form.rotate = true;
  form.ControlChanged();
  EXPECT_EQ(form.commandLineText,
            "kalo-plot " + Temp() + "penplot /CPS /D3 /F/plots/penplot /M2,5 /X10 /B0.8 /R /TCourier");

  form.fitScale = true;
  form.FitScaleClick();
  EXPECT_EQ(form.scaleText, "0");
  EXPECT_FALSE(form.ScaleEnabled());
  EXPECT_NE(form.commandLineText.find(" /M* "), std::string::npos);
  form.fitScale = false;
  form.FitScaleClick();
  EXPECT_EQ(form.scaleText, "2,5");

  form.formatChoice = 0;  // the font belongs to PostScript only
  form.ControlChanged();
  EXPECT_EQ(form.commandLineText.find("/T"), std::string::npos);
}

TEST_F(PlotCommand, TheFormsButtonsSetTheProgramAndTheOutputFolder) {
  PlotCommandForm form(context, "");
  test.ui.texts = {"/opt/plot/wpenplot"};
  form.PlotProgramClick();
  EXPECT_EQ(form.plotProgramPath, "/opt/plot/wpenplot");
  EXPECT_EQ(form.commandLineText.rfind("/opt/plot/wpenplot ", 0), 0u);
  form.outputDirectory = "/elsewhere";
  form.TempDirectoryClick();
  EXPECT_EQ(form.outputDirectory, Temp());
  context.config.helpLevel = HelpLevel::NoInfo;
  EXPECT_EQ(form.Hint(PlotCommandForm::kHelpScale), "");
  context.config.helpLevel = HelpLevel::Normal;
  EXPECT_NE(form.Hint(PlotCommandForm::kHelpScale), "");
}

TEST_F(PlotCommand, TheQuestionsComposeParallelPortsAndAFittedScale) {
  AnswerQuestions(1, 2, "2", "0");
  test.ui.texts.push_back(dir.File("batch"));
  std::string line = "/old/wpenplot penplot.dxf";
  ASSERT_TRUE(BuildPlotCommand(context, line));
  EXPECT_EQ(Composed(line), ProgramFolder() + "/PENPLOT " + Temp() + "penplot /CHPL /P2 /M*");
  EXPECT_EQ(test.ui.prompts[0], "Programmverzeichnis von penplot.exe");
  EXPECT_EQ(test.ui.choiceCaptions, (std::vector<std::string>{"PENPLOT/WPENPLOT", "Ausgabeformat",
                                                                 "Ausgabeschnittstelle"}));
}

TEST_F(PlotCommand, TheQuestionsWriteSerialPortsOffsetsRotationAndFont) {
  rotate = true;
  test.ui.choices = {1, 1, 0};
  test.ui.texts = {ProgramFolder(), "3", "2.5", "-4", "7", "1", "Courier", dir.File("batch")};
  context.config.tempDirectory = "/t";
  std::string line;
  ASSERT_TRUE(BuildPlotCommand(context, line));
  EXPECT_EQ(Composed(line), ProgramFolder() + "/PENPLOT /t/penplot /CPS /D1 /P3 /M2.5 /X-4 /R /Y7 /TCourier");
}

TEST_F(PlotCommand, AMissingProgramIsReportedAndAskedAgain) {
  test.ui.choices = {0, 0, 2};
  test.ui.texts = {dir.Path(), ProgramFolder(), "out.plt", "1", "0", "0", "1", dir.File("batch")};
  WriteBytes(dir.File("pp/wpenplot.exe"), "");
  context.config.tempDirectory = "/t";
  std::string line;
  ASSERT_TRUE(BuildPlotCommand(context, line));
  ASSERT_GE(test.ui.messages.size(), 1u);
  EXPECT_NE(test.ui.messages[0].text.find("wpenplot.exe"), std::string::npos);
  EXPECT_EQ(Composed(line), ProgramFolder() + "/WPENPLOT /t/penplot /CHPL /D3 /Fout.plt");
}

TEST_F(PlotCommand, OnlyLinesLongerThanSixtyCharactersGoIntoAnExecutableScript) {
  const std::string folder = ProgramFolder();
  // "<folder>/PENPLOT /<pad>/penplot /CHPL /M*" is the folder's length + 28 + the pad.
  int pad60 = 60 - static_cast<int>(folder.size()) - 28;
  ASSERT_GT(pad60, 0) << folder;
  for (int length : {60, 61}) {
    FreshUi();
    context.config.tempDirectory = "/" + std::string(static_cast<size_t>(pad60 + length - 60), 'd');
    AnswerQuestions(1, 2, "1", "0");
    test.ui.texts.push_back(dir.File("lang"));
    std::string line;
    ASSERT_TRUE(BuildPlotCommand(context, line));
    if (length == 60) {
      EXPECT_EQ(line.size(), 60u);
      EXPECT_TRUE(test.ui.messages.empty());
      continue;
    }
    ASSERT_EQ(test.ui.messages.size(), 1u);
    EXPECT_EQ(test.ui.messages[0].text, "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
    EXPECT_EQ(test.ui.prompts.back(), "Name der Batch-Datei (ohne .bat)");
    EXPECT_EQ(line, dir.File("lang.sh"));
    EXPECT_EQ(ReadBytes(line), "#!/bin/sh\n" + folder + "/PENPLOT " + context.config.tempDirectory +
                                   "/penplot /CHPL '/M*'\n");
    struct stat info {};
    ASSERT_EQ(stat(line.c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IXUSR);
  }
}

TEST_F(PlotCommand, ABatchNameWithADotOrInAFolderThatCannotTakeItIsAskedAgain) {
  context.config.tempDirectory = "/" + std::string(40, 't');
  AnswerQuestions(1, 2, "1", "1");
  test.ui.texts.insert(test.ui.texts.end(), {"plot.v2", "/nonexistent/plot", dir.File("plot")});
  std::string line;
  ASSERT_TRUE(BuildPlotCommand(context, line));
  EXPECT_EQ(line, dir.File("plot.sh"));
  ASSERT_EQ(test.ui.messages.size(), 2u);
  EXPECT_EQ(test.ui.messages[1].text, "Datei /nonexistent/plot.sh kann nicht angelegt werden");
  EXPECT_EQ(test.ui.prompts.size(), 9u);  // folder, port, scale, x, y, width and three names
}

TEST_F(PlotCommand, EveryCancelEndsTheRunBeforeAFileIsWritten) {
  context.config.plotCommandCount = 2;
  const auto original = context.config.plotCommands;
  // Cancelled at the line choice, in the form, at the text question, in the questions.
  std::vector<std::function<void()>> cancels = {
      [&] { test.ui.choices = {kPlotterChoice}; },
      [&] { test.ui.choices = {kPlotterChoice, 0}; },
      [&] {
        test.ui.choices = {kPlotterChoice, 0};
        test.ui.onPlotCommandForm = [](PlotCommandForm&) { return true; };
      },
      [&] {
        test.ui.choices = {kPlotterChoice, 0, 1};
        test.ui.texts = {"0", ProgramFolder(), "2"};
        test.ui.onPlotCommandForm = [](PlotCommandForm&) { return true; };
      }};
  for (size_t i = 0; i < cancels.size(); ++i) {
    FreshUi();
    cancels[i]();
    EXPECT_TRUE(Plot().IsCancelled()) << i;  // a cancel is no failure
    EXPECT_TRUE(context.state.cancel) << i;
    EXPECT_FALSE(FileExists(dir.File("penplot.dxf"))) << i;
    EXPECT_TRUE(test.platform.startedPrograms.empty()) << i;
  }
  EXPECT_EQ(context.config.plotCommands[1], original[1]);
  EXPECT_EQ(test.ui.choiceCaptions[1], "PENPLOT Command Line");
}

TEST_F(PlotCommand, TheChosenLineIsEditedStoredAndStartedWithThePlotFileAsOneArgument) {
  std::string temp = dir.File("my plots;rm -rf x");
  std::filesystem::create_directories(temp);
  context.config.tempDirectory = temp;
  context.config.plotCommandCount = 3;
  context.config.plotCommands[2] = "kalo-plot penplot.dxf /M2";
  context.config.programDirectory = KALO_SOURCE_DIR "/data";
  test.ui.choices = {kPlotterChoice, 2};
  test.ui.onPlotCommandForm = [](PlotCommandForm& form) {
    form.ControlChanged();
    return true;
  };
  test.ui.texts = {"kalo-plot PENPLOT.DXF /M1.5"};
  ASSERT_TRUE(Plot()) << Messages();
  EXPECT_EQ(test.ui.preselections[1], 0);
  EXPECT_EQ(context.config.plotCommands[2], "kalo-plot PENPLOT.DXF /M1.5");
  EXPECT_EQ(context.cad.plotCommandIndex, 2);
  EXPECT_EQ(test.ui.prompts[0], "PENPLOT-Kommandozeile (0=Parameter)");
  ASSERT_TRUE(FileExists(temp + "/penplot.dxf"));
  CheckWithEzdxf(temp + "/penplot.dxf");
  const std::string shipped = KALO_SOURCE_DIR "/data/kalo-plot";
  ASSERT_EQ(test.platform.startedArguments.size(), 1u);
  EXPECT_EQ(test.platform.startedArguments[0],
            (std::vector<std::string>{shipped, temp + "/penplot.dxf", "/M1.5"}));

  // The line the form composes names the folder with its blanks: still one argument.
  test.ui.choices = {kPlotterChoice, 2};
  test.ui.texts = {};
  test.ui.onPlotCommandForm = [](PlotCommandForm& form) {
    form.ControlChanged();
    return true;
  };
  Plot();
  EXPECT_TRUE(context.state.cancel);  // the text question cancelled; the form's line is kept
  EXPECT_EQ(context.config.plotCommands[2], "kalo-plot " + temp + "/penplot /CHPL");
  test.ui.choices = {kPlotterChoice, 2};
  test.ui.texts = {context.config.plotCommands[2]};
  test.ui.onPlotCommandForm = [](PlotCommandForm&) { return true; };
  ASSERT_TRUE(Plot());
  EXPECT_EQ(test.platform.startedArguments.back(), (std::vector<std::string>{shipped, temp + "/penplot", "/CHPL"}));

  // Installed without its execute permission, the shipped script runs through the shell.
  std::filesystem::create_directories(dir.File("share"));
  WriteBytes(dir.File("share/kalo-plot"), ReadBytes(shipped));
  context.config.programDirectory = dir.File("share");
  test.ui.choices = {kPlotterChoice, 2};
  test.ui.texts = {context.config.plotCommands[2]};
  ASSERT_TRUE(Plot());
  EXPECT_EQ(test.platform.startedArguments.back(),
            (std::vector<std::string>{"/bin/sh", dir.File("share/kalo-plot"), temp + "/penplot", "/CHPL"}));
}

TEST_F(PlotCommand, AProgramThatDoesNotStartIsReportedAndChangesNothingElse) {
  test.platform.startSucceeds = false;
  context.config.plotCommands[0] = "/nowhere/plotter penplot.dxf";
  const Configuration before = context.config;
  test.ui.choices = {kPlotterChoice};
  test.ui.onPlotCommandForm = [](PlotCommandForm&) { return true; };
  test.ui.texts = {"/nowhere/plotter penplot.dxf"};
  EXPECT_EQ(Plot().Message(), "file not found");
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].text, "file not found");
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(context.config.plotCommands, before.plotCommands);
  EXPECT_EQ(context.cad.target, kCadPlotter);
}

}  // namespace
}  // namespace kalo::testing
