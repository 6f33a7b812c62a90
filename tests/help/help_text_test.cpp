// Help texts looked up in the help files of the help picture folder.
#include "help/help_text.h"

#include <gtest/gtest.h>

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
    std::string error;
    ASSERT_TRUE(WriteTextLines(dir.File(name), lines, error));
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
}

TEST_F(HelpTextTest, AMissingFileIsNamed) {
  context.state.helpNumber = 1210;
  ShowHelp(context, 0, 0);
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].caption, "HILFETEXT Nr.1210");
  EXPECT_EQ(test.ui.messages[0].text, "Datei " + dir.File("vortane.hlp") + " nicht gefunden ! ");
}

}  // namespace
}  // namespace kalo::testing
