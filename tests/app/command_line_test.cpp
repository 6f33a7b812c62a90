#include "app/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace kalo {
namespace {

TEST(CommandLine, SwitchesAreRecognisedInEitherSpelling) {
  EXPECT_EQ(ParseCommandLine({}).kind, CommandKind::Interactive);
  EXPECT_EQ(ParseCommandLine({"/?"}).kind, CommandKind::Usage);
  EXPECT_EQ(ParseCommandLine({"?"}).kind, CommandKind::Usage);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/i"}).kind, CommandKind::TextReport);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/I"}).kind, CommandKind::TextReport);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/e"}).kind, CommandKind::InteractiveNamed);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/G"}).kind, CommandKind::InteractiveNamed);
  EXPECT_EQ(ParseCommandLine({"a.kal"}).kind, CommandKind::InteractiveWithFile);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/NOGUI"}).kind, CommandKind::InteractiveWithFile);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/x"}).fileName, "a.kal");
}

TEST(CommandLine, CadSwitchGivesTargetAndView) {
  Command dxf = ParseCommandLine({"a.kal", "/cad1:12"});
  EXPECT_EQ(dxf.kind, CommandKind::CadOutput);
  EXPECT_EQ(dxf.cadTarget, 1);
  EXPECT_EQ(dxf.cadView, 12);
  Command noView = ParseCommandLine({"a.kal", "/CAD5:x"});
  EXPECT_EQ(noView.cadTarget, 5);
  EXPECT_EQ(noView.cadView, 0);
  EXPECT_EQ(ParseCommandLine({"a.kal", "/CAD"}).cadTarget, 0);
}

TEST(CommandLine, BatchDrawsViewsOneToSixIntoDxfIgesOrTxtFiles) {
  for (const char* valid : {"/CAD1:1", "/cad2:6", "/CAD5:3"})
    EXPECT_TRUE(IsBatchCadOutput(ParseCommandLine({"a.kal", valid}))) << valid;
  for (const char* invalid : {"/CAD3:1", "/CAD4:1", "/CAD1:0", "/CAD1:7", "/CAD1", "/CADx:y", "/CAD0:1"})
    EXPECT_FALSE(IsBatchCadOutput(ParseCommandLine({"a.kal", invalid}))) << invalid;
  EXPECT_EQ(InvalidCadSwitchMessage(ParseCommandLine({"a.kal", "/CAD3:1"})),
            "/CAD3:1 ?  /CADi:j mit i: 1=DXF, 2=IGS, 5=TXT, 6=SVG, 7=PDF und j: Ansicht 1..6");
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
  for (const char* name : {"/I", "/A", "/JSON", "/COLOR", "/NOGUI", "--summary", "--help", "--version"}) {
    EXPECT_NE(help.find(name), std::string::npos) << name;
    std::string escaped = name;
    if (escaped.starts_with("--")) escaped = "\\-\\-" + escaped.substr(2);
    EXPECT_NE(manPage.find(escaped), std::string::npos) << name;
  }
  EXPECT_NE(help.find("6=SVG, 7=PDF"), std::string::npos);
  EXPECT_NE(manPage.find("6 SVG, 7 PDF"), std::string::npos);
  EXPECT_NE(manPage.find("~/.config/vortane/"), std::string::npos);
  size_t seeAlso = manPage.find(".SH SEE ALSO\n.BR kalo-gui (1)");
  ASSERT_NE(seeAlso, std::string::npos);
  EXPECT_TRUE(std::ifstream(std::string(KALO_SOURCE_DIR) + "/docs/kalo-gui.1").good()) << "the page it names";
}

}  // namespace
}  // namespace kalo
