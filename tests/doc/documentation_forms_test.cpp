// The three documentation dialogs driven as the user would, and what they store travelling
// through the data file and back.
#include <gtest/gtest.h>

#include "app/documentation_commands.h"
#include "datafile/data_file_lines.h"
#include "datafile/data_file_reader.h"
#include "datafile/data_file_writer.h"
#include "doc/change_form.h"
#include "doc/document_setup_form.h"
#include "doc/drawing_info_form.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class DocumentationForms : public ::testing::Test {
 protected:
  DocumentationForms() { context.config.tempDirectory = dir.Path(); }

  // The body written as a data file and read into a fresh body.
  Body ThroughDataFile() {
    std::vector<std::string> lines = DataFileContent(context.body, context.Numbers());
    Body read;
    read.Initialise("01.01.2000");
    DataFileLines cursor(lines);
    ReadDataFileContent(cursor, read);
    EXPECT_FALSE(cursor.Failed());
    return read;
  }

  TempDir dir;
  TestContext t;
  Context& context = t.context;
  Documentation& documentation = context.body.documentation;
};

TEST_F(DocumentationForms, EveryFieldOfTheThreeDialogsReachesTheDataFileAndComesBack) {
  context.config.releaseCaption = "Frei";
  t.ui.onDrawingInformation = [](DrawingInfoForm& form) {
    EXPECT_EQ(form.signatures[3].heading, "Frei");
    form.replaces = "KA-4700 und KA-4701";  // cut to 15
    form.replacedBy = "KA-4800";
    const char* cells[4][2] = {{"01.02.2026", "Müller"}, {"02.02.2026", "Huber"},
                               {"03.02.2026", "Schulz"}, {"04.02.2026", "Frei-Name-zu-lang"}};
    for (size_t row = 0; row < 4; ++row) form.signatures[row] = {"", cells[row][0], cells[row][1]};
    form.texts[0] = {"12,5", "40", "3.5", "0", "Rz 6,3"};
    form.texts[1] = {"-20", "0,25", "2,5", "90", "Alle Kanten 0,5x45°"};
    return true;
  };
  DocumentationInfo(context);
  t.ui.onChange = [](ChangeForm& form) {
    form.title = "Bohrung geändert";
    form.editor = "Maier";
    form.description = "Bohrung 20 statt 18\nFase ergänzt";
    return true;
  };
  DocumentationNewChange(context);
  t.ui.onDocumentSetup = [](DocumentSetupForm& form) {
    form.groups[0].program = "evince";
    form.groups[0].file = "/home/anna/zeichnungen/kegel spezifikation.pdf";
    form.groups[4] = {"", "", "", "localc", "maße.ods"};
    return true;
  };
  DocumentationSetup(context);
  EXPECT_TRUE(context.state.modified);

  const DrawingInformation& info = documentation.information;
  EXPECT_EQ(info.replaces, "KA-4700 und KA-");
  EXPECT_EQ(info.drawn.name, Oem("Müller"));
  EXPECT_EQ(info.fourth.name, "Frei-Name-");
  ASSERT_EQ(info.placedTexts.size(), 2u);
  EXPECT_EQ(info.placedTexts[1].y, 0.25L);
  EXPECT_EQ(info.placedTexts[1].text, Oem("Alle Kanten 0,5x45°"));
  ASSERT_EQ(documentation.changes.size(), 1u);
  EXPECT_EQ(documentation.changes[0].date, "07.12.2026");
  EXPECT_EQ(documentation.documents[4].file, "maße.ods");  // paths are kept as the system names them

  Body read = ThroughDataFile();
  EXPECT_EQ(read.documentation, documentation);
  for (const LinkedDocument& link : read.documentation.documents) EXPECT_TRUE(link.fromDataFile);
}

TEST_F(DocumentationForms, TheTextGridKeepsRowOneAndEndsAtTheFirstBlankText) {
  t.ui.onDrawingInformation = [](DrawingInfoForm&) { return true; };
  DocumentationInfo(context);
  ASSERT_EQ(documentation.information.placedTexts.size(), 1u);
  EXPECT_EQ(documentation.information.placedTexts[0], PlacedText{});

  t.ui.onDrawingInformation = [](DrawingInfoForm& form) {
    form.texts[0] = {"keine Zahl", "", "", "", "eins"};
    form.texts[1] = {"1", "2", "3", "4", "zwei"};
    form.texts[2] = {"5", "5", "5", "5", "   "};
    form.texts[3] = {"6", "6", "6", "6", "vier"};
    return true;
  };
  DocumentationInfo(context);
  const auto& placed = documentation.information.placedTexts;
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0], (PlacedText{0, 0, 0, 0, "eins"}));
  EXPECT_EQ(placed[1], (PlacedText{1, 2, 3, 4, "zwei"}));

  // Stored texts fill the grid again in the significant form.
  DrawingInfoForm form(documentation.information, "", "07.12.2026", NumberFormat{}, false);
  EXPECT_EQ(form.texts[1][3], "4");
  EXPECT_EQ(form.texts[1][4], "zwei");
  EXPECT_EQ(form.texts[2][4], "");
}

TEST_F(DocumentationForms, DateButtonsShowAndFillTodayInTheConfiguredFormat) {
  context.config.dateCode = DateCode::YearMonthDay;
  documentation.information.NewDrawing("01.01.2020");
  t.ui.onDrawingInformation = [](DrawingInfoForm& form) {
    EXPECT_EQ(form.todayCaption, "< 2026/12/07");
    form.TodayClick(2);  // "Norm"
    EXPECT_EQ(form.signatures[2].date, "2026/12/07");
    EXPECT_EQ(form.signatures[0].date, "01.01.2020");
    EXPECT_EQ(form.signatures[1].date, "");
    EXPECT_EQ(form.signatures[3].date, "");
    return true;
  };
  DocumentationInfo(context);
  EXPECT_EQ(documentation.information.standards.date, "2026/12/07");
  EXPECT_EQ(documentation.information.inspected.date, "");

  ChangeForm change(Change{}, 3, context.Today(), false);
  EXPECT_EQ(change.caption, "Änderung 3");
  EXPECT_EQ(change.todayCaption, "<2026/12/07");
  change.TodayClick();
  EXPECT_EQ(change.date, "2026/12/07");
}

TEST_F(DocumentationForms, CancelledDialogsChangeNothingAndSetTheCancelFlag) {
  Documentation before = documentation;
  t.ui.onDrawingInformation = [](DrawingInfoForm& form) {
    form.replaces = "X";
    return false;
  };
  DocumentationInfo(context);
  EXPECT_TRUE(context.state.cancel);
  DocumentationSetup(context);  // no window: cancel
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(documentation, before);
  EXPECT_FALSE(context.state.modified);
}

TEST_F(DocumentationForms, SetupCutsToFiftyCharactersAndPicksFilesWithTheirMasks) {
  t.ui.texts = {"/usr/bin/evince"};  // the program's "...": chosen; the file's "...": cancelled
  t.ui.onDocumentSetup = [](DocumentSetupForm& form) {
    EXPECT_EQ(form.groups[1].caption, " Document 2 ");
    EXPECT_EQ(form.groups[1].fileCaption, "File 2");
    form.ProgramClick(1);
    form.groups[1].file = "/x/" + std::string(60, 'a');
    form.FileClick(1);
    return true;
  };
  DocumentationSetup(context);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(documentation.documents[1].program, "/usr/bin/evince");
  EXPECT_EQ(documentation.documents[1].file, "/x/" + std::string(47, 'a'));
  EXPECT_EQ(documentation.documents[0].program, "xdg-open");

  // Umlauts count as one character each and are never cut in half.
  t.ui.onDocumentSetup = [](DocumentSetupForm& form) {
    form.groups[0].file = std::string(49, 'x') + "öö";
    return true;
  };
  DocumentationSetup(context);
  EXPECT_EQ(documentation.documents[0].file, std::string(49, 'x') + "ö");
}

}  // namespace
}  // namespace kalo::testing
