// The element list and the coordinate form on the offscreen platform: the buttons reach
// the form models and what the models hold is what the windows show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "edit/coordinate_form.h"
#include "edit/element_list_form.h"
#include "qt/coordinate_dialog.h"
#include "qt/element_list_dialog.h"
#include "support/test_context.h"

namespace kalo {
namespace {

class GeometryDialogs : public ::testing::Test {
 protected:
  GeometryDialogs() {
    Contour& c = t.context.body.contour;
    c.Reset();
    c[1] = {0, 0, 0};
    c[2] = {100, 0, 0};
    c[3] = {100, 10, 0};
    c.count = 3;
  }

  template <typename Widget>
  static Widget* Find(QDialog& dialog, const char* name) {
    Widget* widget = dialog.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  testing::TestContext t;
};

TEST_F(GeometryDialogs, EachListButtonClosesWithItsActionAndTheSelectedLine) {
  const std::pair<const char*, ElementListAction> buttons[] = {
      {"Button_neu", ElementListAction::Append},       {"Button_aendern", ElementListAction::Change},
      {"Button_einfuegen", ElementListAction::Insert}, {"Button_loeschen", ElementListAction::Delete},
      {"Button_156", ElementListAction::Transform},    {"Button_ok", ElementListAction::Ok}};
  for (auto [name, action] : buttons) {
    ElementListForm form(t.context, 2);
    ElementListDialog dialog(form, false);
    auto* list = Find<QListWidget>(dialog, "ListBox1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("Pos.002:     x=  100.000 mm     y=    0.000 mm     phi=   0.0 °"));
    list->setCurrentRow(2);
    Find<QPushButton>(dialog, name)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << name;
    EXPECT_EQ(form.action, action) << name;
    EXPECT_EQ(form.selected, 3) << name;
  }
  ElementListForm form(t.context, 0);
  ElementListDialog dialog(form, false);
  Find<QPushButton>(dialog, "Button_cancel")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(GeometryDialogs, PasteTakesTheClipboardAndErrorsShowOnlyWithMessages) {
  QApplication::clipboard()->setText("1\t2\n3\t4");
  ElementListForm form(t.context, 0);
  ElementListDialog dialog(form, false);
  EXPECT_FALSE(Find<QPushButton>(dialog, "Button_error")->isVisibleTo(&dialog));
  Find<QPushButton>(dialog, "Button_paste")->click();
  EXPECT_EQ(form.action, ElementListAction::Paste);
  EXPECT_EQ(form.pastedText, "1\t2\n3\t4");
  EXPECT_EQ(form.selected, 0);

  t.context.messages.Report("Warnung: Kontur offen");
  ElementListForm withMessages(t.context, 0);
  ElementListDialog shown(withMessages, false);
  EXPECT_TRUE(Find<QPushButton>(shown, "Button_error")->isVisibleTo(&shown));
}

TEST_F(GeometryDialogs, CoordinateFormStepsSwitchesUnitsAndRefusesAFullTurn) {
  CoordinateForm form(t.context, 2);
  CoordinateDialog dialog(form, false);
  EXPECT_EQ(dialog.windowTitle(), "Koordinaten 2");
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_y")->text(), "100");
  Find<QLineEdit>(dialog, "Edit_y")->setText("80");
  Find<QToolButton>(dialog, "SpinButton_up")->click();
  EXPECT_EQ(dialog.windowTitle(), "Koordinaten 3");
  EXPECT_EQ(Find<QLabel>(dialog, "Label_w")->text(), "Kreisbogenwinkel 3-4");
  EXPECT_EQ(t.context.body.contour[2].x, 80);  // stored on the way

  Find<QPushButton>(dialog, "Button_metric")->click();
  EXPECT_EQ(Find<QLabel>(dialog, "Label_yu")->text(), "in");
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_z")->text(), "0.3937");

  Find<QLineEdit>(dialog, "Edit_w")->setText("360");
  Find<QPushButton>(dialog, "Button_ok")->click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(t.context.body.contour[3].phi, 0);
  ASSERT_EQ(t.ui.messages.size(), 1u);  // the range, and the window stays open
}

TEST_F(GeometryDialogs, LettersInACoordinateAreRefusedNamingTheField) {
  CoordinateForm form(t.context, 2);
  CoordinateDialog dialog(form, false);
  Find<QLineEdit>(dialog, "Edit_z")->setText("6o");
  Find<QPushButton>(dialog, "Button_ok")->click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(t.context.body.contour[2].y, 0);
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_TRUE(t.ui.messages[0].text.starts_with("Y 2: ")) << t.ui.messages[0].text;
  EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_z")->text(), "6o");  // kept for correcting
  Find<QLineEdit>(dialog, "Edit_z")->setText("60");
  Find<QPushButton>(dialog, "Button_ok")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(t.context.body.contour[2].y, 60);
}

}  // namespace
}  // namespace kalo
