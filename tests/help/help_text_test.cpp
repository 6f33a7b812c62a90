// Help texts looked up in the help files of the help picture folder.
#include "graphics/screen_plotter.h"
#include "help/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "cad/recording_plotter.h"
#include "help/help_picture.h"
#include "help/program_sources.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class HelpTextTest : public ::testing::Test {
 protected:
  HelpTextTest() { context.config.pltDirectory = dir.Path(); }

  void WriteHelpFile(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(WriteTextLines(dir.File(name), lines));
  }

  TempDir dir;
  TestContext test;
  Context& context = test.context;
};

TEST_F(HelpTextTest, EntriesWithSubNumberedLinesPicturesAndTheirEnds) {
  WriteHelpFile("vortane.hlp", {"2045", "vorher", "2050:CADPIC", Oem("Ausgabeziel wählen"), "2051", "zweite Zeile",
                                "2057", "fremde Zeile", "dritte Zeile", "2055", "danach", "2060", "eins", "zwei",
                                "drei", "vier", "fuenf", "sechs", "sieben", "2065 x", "Nummer mit Text"});
  HelpText help = LookUpHelp(context, 2050);
  EXPECT_EQ(help.lines, (std::vector<std::string>{Oem("Ausgabeziel wählen"), "zweite Zeile", "dritte Zeile"}));
  EXPECT_EQ(help.picture, "CADPIC");
  EXPECT_EQ(LookUpHelp(context, 2055).picture, "");

  // Seven text lines: only the first five.
  EXPECT_EQ(LookUpHelp(context, 2060).lines, (std::vector<std::string>{"eins", "zwei", "drei", "vier", "fuenf"}));
  EXPECT_EQ(GetHelpText(context, 2050), Cp850ToAnsi(Oem("Ausgabeziel wählen zweite Zeile dritte Zeile")));

  // "2065 x" is a header (its first four characters are a number); a text line is none.
  EXPECT_EQ(LookUpHelp(context, 2065).lines, (std::vector<std::string>{"Nummer mit Text"}));
  EXPECT_EQ(LookUpHelp(context, 2070).lines,
            (std::vector<std::string>{"Hilfetext Nr 2070: keine Hilfe vorhanden."}));
  context.state.helpNumber = 2045;
  EXPECT_EQ(LookUpHelp(context, 0).lines, (std::vector<std::string>{"vorher"}));
}

TEST_F(HelpTextTest, NumbersFrom4000AreInTheProgramsOwnFileAndShownInABox) {
  WriteHelpFile("kalo.hlp", {"4100", "eigene Hilfe"});
  WriteHelpFile("vortane.hlp", {"3999", "gemeinsame Hilfe"});
  EXPECT_EQ(LookUpHelp(context, 4100).lines[0], "eigene Hilfe");
  EXPECT_EQ(LookUpHelp(context, 3999).lines[0], "gemeinsame Hilfe");

  context.state.cancel = true;
  ShowHelp(context, 4100, 1);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].caption, "HILFETEXT Nr.4100");
  EXPECT_EQ(test.ui.messages[0].text, "eigene Hilfe ");
  EXPECT_FALSE(context.state.cancel);
  ShowHelp(context, 4100, 2);  // the picture only: no box
  EXPECT_EQ(test.ui.messages.size(), 1u);

  // Tooltips follow the help level.
  context.state.helpNumber = 4100;
  EXPECT_EQ(HelpToolTip(context, 0), "eigene Hilfe");
  EXPECT_EQ(HelpToolTip(context, 3999), "gemeinsame Hilfe");
  context.config.helpLevel = HelpLevel::NoInfo;
  EXPECT_EQ(HelpToolTip(context, 0), "");
}

TEST_F(HelpTextTest, AMissingFileIsNamed) {
  context.state.helpNumber = 1210;
  ShowHelp(context, 0, 0);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].caption, "HILFETEXT Nr.1210");
  EXPECT_EQ(test.ui.messages[0].text, "Datei " + dir.File("vortane.hlp") + " nicht gefunden ! ");
}

TEST_F(HelpTextTest, ThePictureModesDrawTheEntrysPictureOnTheGraphicsWindow) {
  RecordingPlotter plotter;
  context.screenPlotter = &plotter;
  WriteHelpFile("vortane.hlp", {"2050:CADPIC", "mit Bild", "2055:FEHLT", "Bild fehlt", "2060", "ohne Bild"});
  WriteBytes(dir.File("CADPIC.plt"), "IN;SP1;PU0,0;PD400,0;");

  ShowHelp(context, 2050, 1);
  EXPECT_TRUE(plotter.calls.empty());
  ShowHelp(context, 2050, 2);
  EXPECT_TRUE(test.ui.messages.size() == 1);
  EXPECT_EQ(plotter.Starting("Clear").size(), 1u);
  EXPECT_EQ(plotter.Starting("SetWindow").size(), 1u);
  EXPECT_EQ(plotter.Starting("Line"), std::vector<std::string>{"Line 0.000 0.000 10.000 0.000"});

  plotter.calls.clear();
  ShowHelp(context, 2055, 0);
  EXPECT_EQ(plotter.Starting("Text"), std::vector<std::string>{"Text " + dir.File("FEHLT.plt") + " nicht gefunden ! 5.000 60.000"});
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(test.ui.messages.back().text, "Bild fehlt ");

  // An entry without a picture leaves the window empty.
  plotter.calls.clear();
  ShowHelp(context, 2060, 2);
  EXPECT_EQ(plotter.calls, (std::vector<std::string>{"Clear", "SetWindow", "Refresh"}));
}

// The shipped help files: a text for every help number the code sets, well-formed entries.
TEST(ShippedHelpTest, EveryHelpNumberOfTheCodeHasATextAndItsPicture) {
  TestContext test;
  Context& context = test.context;
  context.config.pltDirectory = std::string(KALO_SOURCE_DIR) + "/data";
  std::set<int> numbers = HelpNumbersInCode(ProgramSources());
  for (int known : {1210, 1970, 2050, 2300, 2370, 3055, 8200, 8410, 9010}) EXPECT_EQ(numbers.count(known), 1u) << known;
  for (int number : numbers) {
    HelpText help = LookUpHelp(context, number);
    ASSERT_FALSE(help.lines.empty());
    EXPECT_NE(help.lines[0].rfind("Hilfetext Nr", 0), 0u) << help.lines[0];
    EXPECT_NE(help.lines[0].rfind("Datei ", 0), 0u) << help.lines[0];
    if (!help.picture.empty()) {
      EXPECT_TRUE(FileExists(HelpPicturePath(context, help.picture))) << help.picture;
    }
  }
}

TEST(ShippedHelpTest, EntriesAreNumberedInStepsOfFiveInOrderWithOneToFiveLines) {
  for (auto [name, first, last] : {std::tuple{"vortane.hlp", 0, kOwnHelpFrom - 1}, std::tuple{"kalo.hlp", kOwnHelpFrom, 9999}}) {
    std::vector<std::string> lines;
    Outcome read = ReadTextLines(std::string(KALO_SOURCE_DIR) + "/data/" + name, lines);
    ASSERT_TRUE(read) << read.Message();
    int previous = first - 1;
    int textLines = 1;
    for (const std::string& line : lines) {
      bool header = line.size() >= 4 && std::all_of(line.begin(), line.begin() + 4, [](char c) { return c >= '0' && c <= '9'; });
      if (!header) {
        ++textLines;
        continue;
      }
      EXPECT_TRUE(textLines >= 1 && textLines <= kMaxHelpLines) << name << " before " << line;
      int number = std::stoi(line.substr(0, 4));
      EXPECT_EQ(number % 5, 0) << line;
      EXPECT_GT(number, previous) << line;
      EXPECT_LE(number, last) << line;
      previous = number;
      textLines = 0;
    }
  }
}

}  // namespace
}  // namespace kalo::testing
