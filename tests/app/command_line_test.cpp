#include "app/batch_run.h"
#include "app/command_line.h"
#include "cad/cad_formats.h"
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace kalo {
namespace {

TEST(CommandLine, SwitchesAreRecognisedInEitherSpellingAndAnyOrder) {
  EXPECT_EQ(ParseCommandLine({}).kind, CommandKind::Interactive);
  EXPECT_EQ(ParseCommandLine({"/?"}).kind, CommandKind::Usage);
  EXPECT_EQ(ParseCommandLine({"?"}).kind, CommandKind::Usage);
  for (const char* report : {"/i", "/I"}) {
    Command command = ParseCommandLine({"a.kal", report});
    EXPECT_EQ(command.kind, CommandKind::Batch);
    ASSERT_EQ(command.outputs.size(), 1u);
    EXPECT_EQ(command.outputs[0].kind, OutputKind::TextReport);
  }
  EXPECT_EQ(ParseCommandLine({"a.kal", "/NOGUI", "/i"}).kind, CommandKind::Batch);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/e"}).kind, CommandKind::InteractiveNamed);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/G"}).kind, CommandKind::InteractiveNamed);
  EXPECT_EQ(ParseCommandLine({"a.kal"}).kind, CommandKind::InteractiveWithFile);
}

TEST(CommandLine, NoGuiNeverMeansTheWindowAndAnUnknownSwitchIsNamed) {
  EXPECT_EQ(ParseCommandLine({"a.kal", "/NOGUI"}).kind, CommandKind::NothingToDo);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/E", "/nogui"}).kind, CommandKind::NothingToDo);
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"a.kal", "/JSN", "/NOGUI"}, {"a.kal", "/I", "/JSN"}, {"a.kal", "/JSN"}}) {
    Command command = ParseCommandLine(arguments);
    EXPECT_EQ(command.kind, CommandKind::UnknownSwitch);
    EXPECT_EQ(command.unknownSwitch, "/JSN");
    EXPECT_EQ(command.fileName, "a.kal");
  }
  EXPECT_TRUE(Cp850ToUtf8(UnknownSwitchMessage("/x")).starts_with("unbekannter Schalter /x "));
}

TEST(CommandLine, OutputSwitchesCombineEachOnceInTheirOrder) {
  Command command = ParseCommandLine({"a.kal", "/I", "/CAD1:5", "/cad7:5", "/json", "/cad1:5", "/NOGUI"});
  ASSERT_EQ(command.kind, CommandKind::Batch);
  ASSERT_EQ(command.outputs.size(), 4u);
  EXPECT_EQ(command.outputs[1].cadTarget, 1);
  EXPECT_EQ(command.outputs[2].cadTarget, 7);
  EXPECT_EQ(command.outputs[2].cadView, 5);
  EXPECT_EQ(command.outputs[3].kind, OutputKind::JsonResults);
}

TEST(CommandLine, CadSwitchGivesTargetAndViewOnlyInItsForm) {
  Command dxf = ParseCommandLine({"a.kal", "/cad1:12"});
  EXPECT_EQ(dxf.kind, CommandKind::Batch);
  EXPECT_EQ(dxf.outputs[0].cadTarget, 1);
  EXPECT_EQ(dxf.outputs[0].cadView, 12);
  for (const char* malformed : {"/CAD5:x", "/CAD", "/CAD1,5", "/CAD1:", "/CAD15", "/CAD1:5x", "/CAD1:-5", "/CADx:1"}) {
    Command command = ParseCommandLine({"a.kal", malformed});
    EXPECT_EQ(command.kind, CommandKind::Batch) << malformed;
    EXPECT_EQ(command.outputs[0].cadView * command.outputs[0].cadTarget, 0) << malformed;
  }
}

TEST(CommandLine, BatchDrawsViewsOneToSixIntoFiles) {
  for (const char* valid : {"/CAD1:1", "/cad2:6", "/CAD5:3", "/CAD6:2", "/CAD7:5"})
    EXPECT_TRUE(IsBatchCadOutput(ParseCommandLine({"a.kal", valid}).outputs[0])) << valid;
  for (const char* invalid : {"/CAD3:1", "/CAD4:1", "/CAD1:0", "/CAD1:7", "/CAD1", "/CADx:y", "/CAD0:1", "/CAD1,5"})
    EXPECT_FALSE(IsBatchCadOutput(ParseCommandLine({"a.kal", invalid}).outputs[0])) << invalid;
  EXPECT_EQ(InvalidCadSwitchMessage(ParseCommandLine({"a.kal", "/CAD3:1"}).outputs[0]),
            "/CAD3:1 ?  /CADi:j mit i: 1=DXF, 2=IGS, 5=TXT, 6=SVG, 7=PDF und j: Ansicht 1..6");
}

TEST(CommandLine, SwitchesWritingOneFileOrMalformedAreRefusedTogether) {
  EXPECT_EQ(BatchSwitchProblem(ParseCommandLine({"a.kal", "/I", "/CAD1:5", "/CAD7:5", "/JSON"})), "");
  EXPECT_EQ(Cp850ToUtf8(BatchSwitchProblem(ParseCommandLine({"w/a.kal", "/I", "/CAD5:6"}))), "/I und /CAD5:6 schreiben beide a.txt");
  EXPECT_EQ(Cp850ToUtf8(BatchSwitchProblem(ParseCommandLine({"a.kal", "/cad1:5", "/CAD1:6"}))),
            "/cad1:5 und /CAD1:6 schreiben beide a.dxf");
  EXPECT_EQ(Cp850ToUtf8(BatchSwitchProblem(ParseCommandLine({"a.kal", "/I", "/A"}))), "/I und /A schreiben beide a.txt");
  // The drawing of a DXF input gets a name of its own.
  EXPECT_EQ(BatchSwitchProblem(ParseCommandLine({"a.dxf", "/CAD1:5", "/CAD2:5"})), "");
  EXPECT_EQ(BatchOutputName(ParseCommandLine({"a.dxf", "/CAD1:5"}).outputs[0], "a", "a.dxf"), "a-kalo.dxf");
  // And the solid of a STEP input, in any letter case; not that of a data file.
  EXPECT_EQ(BatchOutputName(ParseCommandLine({"p.STEP", "/step"}).outputs[0], "p", "p.STEP"), "p-kalo.step");
  EXPECT_EQ(BatchOutputName(ParseCommandLine({"p.kal", "/STL"}).outputs[0], "p", "p.kal"), "p.stl");
  EXPECT_EQ(Cp850ToUtf8(BatchSwitchProblem(ParseCommandLine({"a.kal", "/STEP", "/step"}))), "");
  EXPECT_NE(BatchSwitchProblem(ParseCommandLine({"a.kal", "/I", "/CAD1,5"})).find("/CAD1,5 ?"), std::string::npos);
}

TEST(CommandLine, NoGuiStandsAnywhereInAnyCase) {
  EXPECT_TRUE(HasNoGuiSwitch({"a.kal", "/I", "/nogui"}));
  EXPECT_TRUE(HasNoGuiSwitch({"/NoGui"}));
  EXPECT_FALSE(HasNoGuiSwitch({"a.kal", "/I"}));
}

TEST(CommandLine, UsageScreenHasItsTwentyOneLines) {
  std::vector<std::string> lines = UsageLines();
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[0], "KALO Command Line Mode");
  EXPECT_EQ(lines[2], "wkalo Filename [/I] [/CADi:j] [/NOGUI]");
  EXPECT_EQ(lines[18], "Example: wkalo test.kal /I /NOGUI   ->  test.txt");
  EXPECT_EQ(lines[20], "Example: wkalo test.edi /E /NOGUI   ->  test.edi");
}

// --help and the man page name every switch the program knows, the targets of /CAD among them.
TEST(CommandLine, HelpAndManPageNameEverySwitch) {
  std::string help;
  for (const std::string& line : LongUsageLines()) help += line + "\n";
  std::ifstream file(std::string(KALO_SOURCE_DIR) + "/docs/kalo.1");
  std::string manPage((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  for (const char* name : {"/I", "/A", "/JSON", "/STEP", "/STL", "/COLOR", "/NOGUI", "--summary", "--help", "--version"}) {
    EXPECT_NE(help.find(name), std::string::npos) << name;
    std::string escaped = name;
    if (escaped.starts_with("--")) escaped = "\\-\\-" + escaped.substr(2);
    EXPECT_NE(manPage.find(escaped), std::string::npos) << name;
  }
  EXPECT_NE(help.find("i: 1=DXF, 2=IGS, 5=TXT\n"), std::string::npos);
  EXPECT_NE(help.find("i: 6=SVG, 7=PDF ("), std::string::npos);
  // The page's list of targets is the table's, between its marker comments.
  const std::string begin = ".\\\" CAD targets: the table of CAD formats, compared by a test\n";
  const std::string end = "\n.\\\" end of CAD targets\n";
  size_t from = manPage.find(begin), to = manPage.find(end);
  ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << "marker comments around the CAD targets";
  EXPECT_EQ(manPage.substr(from + begin.size(), to - from - begin.size()), "(" + CadFileTargetList() + ")");
  EXPECT_NE(manPage.find("~/.config/vortane/"), std::string::npos);
  size_t seeAlso = manPage.find(".SH SEE ALSO\n.BR kalo-gui (1)");
  ASSERT_NE(seeAlso, std::string::npos);
  EXPECT_TRUE(std::ifstream(std::string(KALO_SOURCE_DIR) + "/docs/kalo-gui.1").good()) << "the page it names";
}

}  // namespace
}  // namespace kalo
