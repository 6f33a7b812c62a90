// The element list loop and the coordinate form on a scripted user.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <numbers>

#include "edit/coordinate_form.h"
#include "edit/element_list.h"
#include "edit/element_list_form.h"
#include "platform/codepage.h"
#include "support/test_context.h"

namespace kalo {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

class ElementList : public ::testing::Test {
 protected:
  ElementList() {
    t.context.config.helpLevel = HelpLevel::NoInfo;  // no views in between
    t.ui.onElementList = [this](ElementListForm& form) {
      shownLists.push_back(form.ListBox1);
      preselected.push_back(form.selected);
      if (rounds.empty()) return false;
      auto [action, selected] = rounds.front();
      rounds.pop_front();
      form.action = action;
      form.selected = selected;
      if (action == ElementListAction::Paste) form.pastedText = pasted;
      return true;
    };
    t.ui.onCoordinateForm = [this](CoordinateForm& form) {
      opened.push_back({form.Element(), form.xText, form.yText, form.angleText});
      if (forms.empty()) return false;
      auto fill = forms.front();
      forms.pop_front();
      return fill(form);
    };
  }

  void Rectangle() {
    Contour& c = t.context.body.contour;
    c[1] = {0, 0, 0};
    c[2] = {100, 0, 0};
    c[3] = {100, 10, 0};
    c[4] = {0, 10, 0};
    c.count = 4;
  }

  // A form filled with the texts and confirmed.
  static std::function<bool(CoordinateForm&)> Typed(std::string x, std::string y, std::string w) {
    return [=](CoordinateForm& form) {
      form.xText = x;
      form.yText = y;
      form.angleText = w;
      return form.OkClick();
    };
  }

  struct Opened {
    int n;
    std::string x, y, w;
  };

  testing::TestContext t;
  Contour& contour = t.context.body.contour;
  std::deque<std::pair<ElementListAction, int>> rounds;
  std::deque<std::function<bool(CoordinateForm&)>> forms;
  std::string pasted;
  std::vector<std::vector<std::string>> shownLists;
  std::vector<int> preselected;
  std::vector<Opened> opened;
};

TEST_F(ElementList, AppendedElementsStartAtTheirPredecessor) {
  rounds = {{ElementListAction::Append, 0}, {ElementListAction::Append, 0}, {ElementListAction::Ok, 0}};
  // "6o" typed for 60 is refused with the field named, and the form stays open.
  forms = {Typed("12,5", "4", "0"), [this](CoordinateForm& form) {
             form.xText = "20";
             form.yText = "6o";
             form.angleText = "90";
             EXPECT_FALSE(form.OkClick());
             EXPECT_EQ(t.ui.messages.back().text, Oem("Y 2: Gültiger Wertebereich: -1E15 .. 1E15 !"));
             form.yText = "0";
             return form.OkClick();
           }};
  EditElementList(t.context);
  EXPECT_FALSE(t.context.state.cancel);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].x, "0");  // element 1 starts at the origin record
  EXPECT_EQ(opened[0].y, "0");
  EXPECT_EQ(opened[1].x, "12.5");
  EXPECT_EQ(opened[1].y, "4");
  ASSERT_EQ(contour.count, 2);
  EXPECT_EQ(contour[1].x, 12.5L);
  EXPECT_EQ(contour[2].y, 0);
  EXPECT_NEAR(static_cast<double>(contour[2].phi), std::numbers::pi / 2, 1e-15);
  EXPECT_EQ(shownLists.back()[1], Oem("Pos.002:     x=   20.000 mm     y=    0.000 mm     phi=  90.0 °"));
}

TEST_F(ElementList, DeleteShiftsTheRestDownAndKeepsTheFreedSlot) {
  for (int i = 1; i <= 5; ++i) contour[i] = {static_cast<long double>(i), 1, 0};
  contour.count = 5;
  rounds = {{ElementListAction::Delete, 2}, {ElementListAction::Ok, 0}};
  EditElementList(t.context);
  ASSERT_EQ(contour.count, 4);
  EXPECT_EQ(contour[1].x, 1);
  EXPECT_EQ(contour[2].x, 3);
  EXPECT_EQ(contour[4].x, 5);
  EXPECT_EQ(contour[5].x, 5);  // the old slot keeps its values until reused
  EXPECT_EQ(preselected[1], 2);  // the selection is remembered between rounds
}

TEST_F(ElementList, InsertBeforeTheAskedPositionEditsTheMovedElement) {
  Rectangle();
  t.ui.texts = {"3"};
  rounds = {{ElementListAction::Insert, 0}, {ElementListAction::Ok, 0}};
  forms = {Typed("50", "10", "0")};
  EditElementList(t.context);
  EXPECT_EQ(t.ui.prompts[0], Oem("Vor welcher Position soll eingefügt werden ?"));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].n, 3);
  EXPECT_EQ(opened[0].x, "100");  // the form shows the element that moved up
  ASSERT_EQ(contour.count, 5);
  EXPECT_EQ(contour[3].x, 50);
  EXPECT_EQ(contour[4].x, 100);
  EXPECT_EQ(contour[4].y, 10);
  EXPECT_EQ(contour[5].x, 0);
}

TEST_F(ElementList, CancellingTheFormOfANewElementTakesItBackAndClosesTheList) {
  Rectangle();
  rounds = {{ElementListAction::Insert, 2}};
  EditElementList(t.context);
  EXPECT_TRUE(t.context.state.cancel);
  ASSERT_EQ(contour.count, 4);
  EXPECT_EQ(contour[2].x, 100);
  EXPECT_EQ(contour[3].y, 10);
  EXPECT_EQ(shownLists.size(), 1u);
}

TEST_F(ElementList, TheTwoHundredAndFirstPointIsRefused) {
  for (int i = 1; i <= kMaxElements; ++i) contour[i] = {static_cast<long double>(i), 1, 0};
  contour.count = kMaxElements;
  rounds = {{ElementListAction::Append, 0}};
  EditElementList(t.context);
  EXPECT_EQ(t.ui.messages.back().text, "zu viele Punkte !");
  EXPECT_EQ(contour.count, kMaxElements);
  EXPECT_TRUE(t.context.state.cancel);
}

TEST_F(ElementList, PastedRowsAreAppendedOrRefusedWhole) {
  Rectangle();
  pasted = "120\t5\n\n130;5;-45\n140 0,5\n";
  rounds = {{ElementListAction::Paste, 0}, {ElementListAction::Ok, 0}};
  EditElementList(t.context);
  ASSERT_EQ(contour.count, 7);
  EXPECT_EQ(contour[5].x, 120);
  EXPECT_NEAR(static_cast<double>(contour[6].phi), -std::numbers::pi / 4, 1e-15);
  EXPECT_EQ(contour[7].y, 0.5L);

  pasted = "x\ty\n1\t2\n3\t4\t5\t6\n7\t8\t400\n";
  rounds = {{ElementListAction::Paste, 0}, {ElementListAction::Ok, 0}};
  EditElementList(t.context);
  EXPECT_EQ(contour.count, 7);
  EXPECT_EQ(t.ui.messages.back().text, Oem("Keine Koordinaten in Zeile 1, 3, 4: nichts übernommen."));
}

TEST_F(ElementList, AbbrechenGivesTheBodyBackAsTheListFoundIt) {
  Rectangle();
  rounds = {{ElementListAction::Change, 0}, {ElementListAction::Delete, 2}};
  forms = {Typed("1", "2", "0")};
  EditElementList(t.context);  // the list cancelled after the changes
  EXPECT_TRUE(t.context.state.cancel);
  EXPECT_EQ(contour.count, 4);
  EXPECT_EQ(contour[1].x, 0);
  EXPECT_EQ(contour[1].y, 0);
  EXPECT_EQ(contour[2].x, 100);
}

TEST_F(ElementList, TheListWarnsAboutAClockwiseContourBelowTheAxisWithoutRefusingIt) {
  Rectangle();
  rounds = {{ElementListAction::Change, 2}, {ElementListAction::Ok, 0}};
  forms = {Typed("100", "-5", "0")};
  std::vector<std::vector<std::string>> warnings;
  auto show = t.ui.onElementList;
  t.ui.onElementList = [&](ElementListForm& form) {
    warnings.push_back(form.warnings);
    return show(form);
  };
  EditElementList(t.context);
  EXPECT_TRUE(warnings[0].empty());
  ASSERT_FALSE(warnings[1].empty());
  EXPECT_NE(warnings[1][0].find("y < 0"), std::string::npos);
  EXPECT_EQ(contour[2].y, -5);
}

class CoordinateFormTest : public ElementList {};

TEST_F(CoordinateFormTest, SpinStaysWithinTheContourAndStoresOnTheWay) {
  Rectangle();
  CoordinateForm form(t.context, 1);
  EXPECT_EQ(form.angleCaption, "Kreisbogenwinkel 1-2");
  form.xText = "7";
  form.SpinDownClick();  // at element 1 "down" only stores
  EXPECT_EQ(form.Element(), 1);
  EXPECT_EQ(contour[1].x, 7);
  for (int i = 0; i < 5; ++i) form.SpinUpClick();
  EXPECT_EQ(form.Element(), 4);
  EXPECT_EQ(form.caption, "Koordinaten 4");
  EXPECT_EQ(form.angleCaption, "Kreisbogenwinkel 4-5");
  EXPECT_EQ(form.xText, "0");
  EXPECT_EQ(form.yText, "10");
}

TEST_F(CoordinateFormTest, UnitSwitchStoresTheTypedValueFirst) {
  Rectangle();
  CoordinateForm form(t.context, 2);
  form.xText = "25,4";
  form.UnitSwitchClick();
  EXPECT_EQ(t.context.config.units, UnitSetting::English);
  EXPECT_EQ(form.xUnit, "in");
  EXPECT_EQ(form.xText, "1.0000");
  form.yText = "1";
  ASSERT_TRUE(form.OkClick());
  EXPECT_EQ(contour[2].x, 25.4L);
  EXPECT_EQ(contour[2].y, 25.4L);
  form.UnitSwitchClick();
  EXPECT_EQ(form.yText, "25.4");
}

TEST_F(CoordinateFormTest, AFullTurnIsRefusedAndNothingStored) {
  Rectangle();
  CoordinateForm form(t.context, 2);
  form.xText = "55";
  for (const char* angle : {"360", "-400"}) {
    form.angleText = angle;
    EXPECT_FALSE(form.OkClick());
  }
  EXPECT_EQ(t.ui.messages.size(), 2u);
  EXPECT_EQ(contour[2].x, 100);
  form.angleText = "-359,9";
  EXPECT_TRUE(form.OkClick());
  EXPECT_NEAR(static_cast<double>(contour[2].phi), -359.9 * std::numbers::pi / 180, 1e-12);
}

}  // namespace
}  // namespace kalo
