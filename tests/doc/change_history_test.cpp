// The change history: new, modify and delete through the menu commands, the limit of 25
// changes, and the change list report compared with a golden file.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/documentation_commands.h"
#include "doc/change_form.h"
#include "doc/change_list_report.h"
#include "platform/codepage.h"
#include "report/report_fixture.h"

namespace kalo::testing {
namespace {

class ChangeHistory : public ReportTest {
 protected:
  ChangeHistory() { context.config.textDevice = kTargetDosFile; }

  // A new change with this title, through the dialog.
  void AddChange(const std::string& title) {
    ui.onChange = [title](ChangeForm& form) {
      form.title = title;
      return true;
    };
    DocumentationNewChange(context);
  }

  std::string Golden(const std::string& name) const {
    return ReadBytes(std::string(KALO_TEST_DATA_DIR) + "/doc/" + name);
  }

  ScriptedUi& ui = test.ui;
  std::vector<Change>& changes = context.body.documentation.changes;
};

TEST_F(ChangeHistory, NewChangesAreDatedTodayShownAndOnlyTheLastIsModifiedOrDeleted) {
  AddChange("erste");
  AddChange("zweite");
  AddChange("dritte");
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[2].date, "07.12.2026");
  EXPECT_TRUE(context.state.modified);
  EXPECT_EQ(ui.shownTextFiles.size(), 3u);  // each new change shows the list

  ui.onChange = [](ChangeForm& form) {
    EXPECT_EQ(form.caption, "Änderung 3");
    EXPECT_EQ(form.title, "dritte");
    form.editor = "Zehnbuchst";  // ten letters: five are kept
    form.description = "Zeile eins\nZeile zwei";
    return true;
  };
  DocumentationModifyChange(context);
  EXPECT_EQ(changes[2].editor, "Zehnb");
  EXPECT_EQ(changes[2].description, "Zeile eins\nZeile zwei");

  DocumentationDeleteChange(context);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].title, "erste");
  EXPECT_EQ(changes[1].title, "zweite");
}

TEST_F(ChangeHistory, CancelledNewChangeStaysDatedWithEmptyTextsAndShowsNothing) {
  DocumentationNewChange(context);  // the dialog is cancelled
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], (Change{"", "07.12.2026", "", ""}));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(ui.shownTextFiles.empty());
}

TEST_F(ChangeHistory, ModifyAndDeleteOnAnEmptyListDoNothing) {
  DocumentationModifyChange(context);
  DocumentationDeleteChange(context);
  EXPECT_TRUE(changes.empty());
  EXPECT_FALSE(context.state.modified);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_TRUE(ui.shownTextFiles.empty());
}

TEST_F(ChangeHistory, TheTwentySixthChangeIsRefused) {
  changes.assign(25, Change{"alt", "01.01.2026", "", ""});
  DocumentationNewChange(context);
  EXPECT_EQ(changes.size(), 25u);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, Oem("Max. Änderungen = 25 !"));
  EXPECT_FALSE(context.state.modified);
}

TEST_F(ChangeHistory, IndexStyleOneNumbersTheChangesAnyOtherLettersThem) {
  changes.assign(3, Change{"t", "d", "e", ""});
  context.config.changeIndexStyle = ChangeIndexStyle::Numbers;
  auto listed = [this](const std::string& line) {
    EXPECT_TRUE(WriteChangeList(context, 0));
    std::vector<std::string> lines = DosLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(listed("         3     d            e        t                   "));
  context.config.changeIndexStyle = ChangeIndexStyle::SmallLetters;
  EXPECT_TRUE(listed("         c     d            e        t                   "));
}

TEST_F(ChangeHistory, ChangeListAsGoldenFile) {
  DrawingInformation& info = context.body.documentation.information;
  info.drawn = {"07.12.2026", Oem("Müller")};
  info.replaces = "KA-4700";
  info.replacedBy = "KA-4800";
  changes = {{Oem("Bohrung geändert"), "12.03.2026", "Maier", Oem("Bohrung 20 statt 18\nFase ergänzt")},
             {"Werkstoff", "01.06.2026", "Huber", ""}};
  context.config.changeIndexStyle = ChangeIndexStyle::SmallLetters;
  context.config.separatorStyle = SeparatorStyle::Ascii;
  DocumentationPrintChanges(context);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(ReadBytes(dir.File("OUTDOS.TXT")), Golden("change_list.txt"));

  // Without replacements their lines are left out; the screen shows the same list.
  info.replaces.clear();
  info.replacedBy.clear();
  DocumentationShowChanges(context);
  ASSERT_EQ(ui.shownTextFiles.size(), 1u);
  EXPECT_EQ(ui.shownTextFiles[0].content.find("Ersetzt durch"), std::string::npos);
  EXPECT_NE(ui.shownTextFiles[0].content.find("Erstellungsdatum: 07.12.2026     Erstellt von: "),
            std::string::npos);
}

}  // namespace
}  // namespace kalo::testing
