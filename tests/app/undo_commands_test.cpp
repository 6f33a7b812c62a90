// Undo and redo of every kind of change, checked as the data file writer writes the body.
#include "app/undo_commands.h"

#include <gtest/gtest.h>

#include "app/command_run.h"
#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "app/main_menu_state.h"
#include "datafile/data_file_writer.h"
#include "doc/drawing_text_form.h"
#include "edit/element_list_form.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class Undo : public ::testing::Test {
 protected:
  Undo() {
    t.platform.currentDirectory = dir.Path();
    t.context.config.tempDirectory = dir.Path();
    t.context.config.helpLevel = HelpLevel::NoInfo;
    state.dataDirectory = dir.Path() + "/";
    std::string path = std::string(KALO_SOURCE_DIR) + "/data/examples/pulley.kal";
    t.ui.texts = {path};
    t.ui.answers = {Answer::No};
    Run(FileOpen);
  }

  // A command as the window runs it: the change it made becomes an undo step.
  void Run(void (*command)(Context&)) { RunCommand(t.context, command); }

  std::vector<std::string> Written() const { return DataFileContent(t.context.body, t.context.Numbers()); }

  testing::TempDir dir;
  testing::TestContext t;
  ProgramState& state = t.context.state;
};

TEST_F(Undo, EveryKindOfChangeIsUndoneAndRedoneByteForByte) {
  std::vector<std::vector<std::string>> written{Written()};
  ASSERT_FALSE(state.modified);

  t.ui.texts = {"2,5"};
  Run(EditArcDivision);
  written.push_back(Written());
  t.ui.onDrawingTextForm = [](DrawingTextForm& form) {
    form.fields[0].text = "Riemenscheibe";
    return true;
  };
  Run(EditText);
  written.push_back(Written());
  t.ui.onElementList = [rounds = 0](ElementListForm& form) mutable {
    form.action = rounds++ == 0 ? ElementListAction::Delete : ElementListAction::Ok;
    form.selected = 2;
    return true;
  };
  Run(EditGeometry);  // deletes one element, then OK
  written.push_back(Written());
  t.ui.answers = {Answer::Yes};
  Run(EditReset);
  written.push_back(Written());
  for (size_t i = 1; i < written.size(); ++i) ASSERT_NE(written[i], written[i - 1]);

  for (size_t i = written.size() - 1; i > 0; --i) {
    Run(EditUndo);
    EXPECT_EQ(Written(), written[i - 1]) << "undo to step " << i - 1;
  }
  EXPECT_FALSE(state.modified);  // back at the body as opened
  Run(EditUndo);                 // nothing left to undo
  EXPECT_EQ(Written(), written[0]);

  for (size_t i = 1; i < written.size(); ++i) {
    Run(EditRedo);
    EXPECT_EQ(Written(), written[i]) << "redo to step " << i;
  }
}

TEST_F(Undo, TheElementListIsOneStepAndAbbrechenGivesTheBodyBack) {
  ASSERT_EQ(t.context.body.contour.count, 14);
  auto deleteUntil = [](size_t left, bool ok) {
    return [left, ok](ElementListForm& form) {
      bool more = form.ListBox1.size() > left;
      form.action = more ? ElementListAction::Delete : ElementListAction::Ok;
      form.selected = 1;
      return more || ok;
    };
  };
  t.ui.onElementList = deleteUntil(2, false);
  Run(EditGeometry);
  EXPECT_EQ(t.context.body.contour.count, 14);
  EXPECT_FALSE(state.modified);
  EXPECT_FALSE(t.context.undo.CanUndo());

  t.ui.onElementList = deleteUntil(2, true);
  Run(EditGeometry);
  EXPECT_EQ(t.context.body.contour.count, 2);
  EXPECT_TRUE(state.modified);
  Run(EditUndo);
  EXPECT_EQ(t.context.body.contour.count, 14);
  EXPECT_FALSE(state.modified);
}

// Four LINE entities around the rectangle 0 <= x <= 100, 0 <= y <= 10.
std::string RectangleDrawing() {
  std::string text = "0\nSECTION\n2\nENTITIES\n";
  const int corners[5][2] = {{0, 0}, {100, 0}, {100, 10}, {0, 10}, {0, 0}};
  for (int i = 0; i < 4; ++i)
    text += "0\nLINE\n8\n0\n10\n" + std::to_string(corners[i][0]) + "\n20\n" + std::to_string(corners[i][1]) +
            "\n11\n" + std::to_string(corners[i + 1][0]) + "\n21\n" + std::to_string(corners[i + 1][1]) + "\n";
  return text + "0\nENDSEC\n0\nEOF\n";
}

TEST_F(Undo, AnImportIsAnUnnamedUnmodifiedBodyThatCanBeUndone) {
  std::vector<std::string> opened = Written();
  testing::WriteBytes(dir.File("rechteck.dxf"), RectangleDrawing());
  t.ui.texts = {dir.File("rechteck.dxf")};
  Run(FileImportDxf);
  ASSERT_EQ(t.context.body.contour.count, 4) << (t.ui.messages.empty() ? "" : t.ui.messages.back().text);
  EXPECT_NEAR(static_cast<double>(t.context.body.results.A), 1000, 1e-9);
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(state.currentFileName, "");  // a save must not overwrite the data file opened before
  // The drawing has no material: the status line says whose density the body keeps.
  EXPECT_EQ(CurrentMenuState(t.context).status.rfind(Oem("Dichte vom vorigen Körper übernommen: rho = ") +
                                                         FormatSignificant(t.context.body.rho, t.context.Numbers()),
                                                     0),
            0u);
  Run(EditUndo);
  EXPECT_EQ(Written(), opened);
  EXPECT_TRUE(state.modified);

  t.ui.texts = {dir.File("fehlt.dxf")};
  Run(FileImportDxf);  // refused: the body stays
  EXPECT_EQ(Written(), opened);
}

TEST_F(Undo, SavingMovesTheUnmodifiedState) {
  t.ui.texts = {"3"};
  Run(EditArcDivision);
  EXPECT_TRUE(state.modified);
  t.ui.texts = {dir.File("saved.kal")};
  Run(FileSaveAs);
  EXPECT_FALSE(state.modified);
  Run(EditUndo);
  EXPECT_TRUE(state.modified);  // differs from the saved file now
  Run(EditRedo);
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(t.context.body.arcDivisionAngle, Real48(3));
}

TEST_F(Undo, ANewChangeDropsWhatCouldBeRedone) {
  t.ui.texts = {"3", "4", "6"};
  Run(EditArcDivision);
  Run(EditArcDivision);
  Run(EditUndo);
  Run(EditArcDivision);
  Run(EditRedo);  // nothing to redo
  EXPECT_EQ(t.context.body.arcDivisionAngle, Real48(6));
  Run(EditUndo);
  EXPECT_EQ(t.context.body.arcDivisionAngle, Real48(3));
}

}  // namespace
}  // namespace kalo
