#include "qt/help_picture_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include "help/help_picture.h"
#include "help/help_picture_index.h"
#include "qt/graph_widget.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

TEST(HelpPictureDialog, ListSpinAndCommandButtonsCloseWithTheirRequest) {
  testing::TestContext test;
  HelpPictureForm form(test.context, {"EINS    : erstes", "ZWEI    : zweites"}, 1);
  HelpPictureDialog dialog(form, false);
  EXPECT_EQ(dialog.windowTitle(), "KALO Hilfebilder");
  auto* list = dialog.findChild<QComboBox*>("ListBox1");
  ASSERT_EQ(list->count(), 7);
  EXPECT_EQ(list->currentIndex(), 1);
  EXPECT_EQ(list->itemText(3), QString::fromUtf8("-----  Löschen  -----"));

  dialog.findChild<QToolButton*>("SpinButton1Up")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(form.Request(), 0);
  dialog.findChild<QPushButton*>("Button_einfuegen")->click();
  EXPECT_EQ(form.Request(), 2 + 3);
  EXPECT_EQ(dialog.findChild<QPushButton*>("Button_aendern")->text(), QString::fromUtf8("&Ändern"));

  dialog.findChild<QPushButton*>("Button_help")->click();
  ASSERT_EQ(test.ui.messages.size(), 1u);
  EXPECT_EQ(test.ui.messages[0].caption, "HILFETEXT Nr.0");
  dialog.findChild<QPushButton*>("Button_ok")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Every picture of the shipped index is there and draws a picture in the graphics window.
TEST(HelpPictureDialog, EveryShippedPictureDrawsInTheGraphicsWindow) {
  testing::TestContext test;
  test.context.config.pltDirectory = std::string(KALO_SOURCE_DIR) + "/data";
  test.context.config.resolutionX = 800;
  test.context.config.resolutionY = 600;
  GraphWidget widget(test.context);
  widget.resize(801, 601);
  HelpPictureIndex index(testing::ReadBytes(HelpPictureIndexPath(test.context)));
  ASSERT_GE(index.Entries().size(), 10u);
  EXPECT_FALSE(index.Damaged());
  for (const HelpPictureEntry& entry : index.Entries()) {
    ShowHelpPicture(test.context, entry.name);
    EXPECT_FALSE(test.context.state.cancel) << entry.name;
    QImage picture = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRgb background = picture.pixel(400, 300);
    int drawn = 0;
    for (int y = 0; y < picture.height(); y += 2)
      for (int x = 0; x < picture.width(); x += 2) drawn += picture.pixel(x, y) != background;
    EXPECT_GT(drawn, 2000) << entry.name;
  }
}

}  // namespace
}  // namespace kalo
