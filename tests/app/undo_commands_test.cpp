// Undo and redo of every kind of change, checked as the data file writer writes the body.
#include "app/undo_commands.h"

#include <gtest/gtest.h>

#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "edit/element_list_form.h"
#include "model/data_file_writer.h"
#include "model/drawing_text_form.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class Undo : public ::testing::Test {
 protected:
  Undo() {
    t.platform.currentDirectory = dir.Path();
    t.context.config.tempDirectory = dir.Path();
    t.context.config.helpLevel = 0;
    state.dataDirectory = dir.Path() + "/";
    std::string path = std::string(KALO_SOURCE_DIR) + "/data/examples/pulley.kal";
    t.ui.texts = {path};
    t.ui.answers = {Answer::No};
    Run(FileOpen);
  }

  // A command as the window runs it: the change it made becomes an undo step.
  void Run(void (*command)(Context&)) {
    command(t.context);
    RememberChange(t.context);
  }

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
  t.ui.onElementList = [rounds = 0](TForm_einarray& form) mutable {
    form.action = ElementListAction::Delete;
    form.selected = 2;
    return rounds++ == 0;
  };
  Run(EditGeometry);  // deletes one element, then cancels
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

TEST_F(Undo, EachRoundOfTheElementListIsAStep) {
  ASSERT_EQ(t.context.body.contour.count, 14);
  t.ui.onElementList = [](TForm_einarray& form) {
    form.action = ElementListAction::Delete;
    form.selected = 1;
    return form.ListBox1.size() > 2;
  };
  Run(EditGeometry);
  EXPECT_EQ(t.context.body.contour.count, 2);
  EXPECT_TRUE(state.modified);  // the list was cancelled, but the deletions stay
  Run(EditUndo);
  EXPECT_EQ(t.context.body.contour.count, 3);
  Run(EditUndo);
  EXPECT_EQ(t.context.body.contour.count, 4);
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
