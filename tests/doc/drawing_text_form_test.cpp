#include "doc/drawing_text_form.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "support/test_context.h"

namespace kalo {
namespace {

TEST(DrawingTextForm, OkStoresCodePage850TextsCutToTheirLengthsAndMarksTheBodyModified) {
  testing::TestContext t;
  t.ui.onDrawingTextForm = [](DrawingTextForm& form) {
    EXPECT_EQ(form.fields[0].label, "Zeichnungsname");
    EXPECT_EQ(form.fields[1].label, "Zeichnungsname 2");
    form.fields[0].text = "Flansch Ø160 mit sehr langem Namen";  // longer than 25 characters
    form.fields[5].text = "Maß 20°";
    return true;
  };
  EditDrawingTexts(t.context);
  EXPECT_EQ(t.context.body.texts.name, Oem("Flansch Ø160 mit sehr lan"));
  EXPECT_EQ(t.context.body.texts.remarks[2], Oem("Maß 20°"));
  EXPECT_TRUE(t.context.state.modified);
}

TEST(DrawingTextForm, CancelKeepsTheTextsAndSetsTheCancelFlag) {
  testing::TestContext t;
  t.context.body.texts.number = "A-1";
  t.ui.onDrawingTextForm = [](DrawingTextForm& form) {
    form.fields[2].text = "B-2";
    return false;
  };
  EditDrawingTexts(t.context);
  EXPECT_EQ(t.context.body.texts.number, "A-1");
  EXPECT_TRUE(t.context.state.cancel);
  EXPECT_FALSE(t.context.state.modified);
}

TEST(DrawingTextForm, PlainLetterOptionSpellsOutTheShownTexts) {
  DrawingTexts texts;
  texts.name = Oem("Maß 20°");
  EXPECT_EQ(DrawingTextForm(texts, true).fields[0].text, "Mass 20deg");
  EXPECT_EQ(DrawingTextForm(texts, false).fields[0].text, "Maß 20°");
}

}  // namespace
}  // namespace kalo
