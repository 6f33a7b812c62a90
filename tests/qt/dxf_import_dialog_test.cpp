// The DXF import's preview window: the drawing, the chosen contour and the axis painted,
// every choice shown at once, OK only when the contour can be taken.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "qt/dxf_import_dialog.h"

namespace kalo::testing {
namespace {

// A square drawing with its lower half as the contour; choosing the y axis takes it away.
void Offer(DxfImportForm& form) {
  form.loopItems = {"4 Elemente, Layer A", "4 Elemente, Layer B"};
  form.drawing = {{{0, 0}, {100, 0}}, {{100, 0}, {100, 100}}, {{100, 100}, {0, 100}}, {{0, 100}, {0, 0}}};
  form.contour = {{{0, 0}, {100, 0}}, {{100, 0}, {100, 50}}, {{100, 50}, {0, 50}}, {{0, 50}, {0, 0}}};
  form.axisLine = {{-10, 0}, {110, 0}};
  form.canTake = form.axis != 2;
  form.notes = {form.canTake ? "Achse: y = 0" : "keine Kontur"};
}

int RedPixels(const QImage& image) {
  int red = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
    }
  return red;
}

TEST(DxfImportDialog, ShowsThePreviewAndFollowsEveryChoice) {
  DxfImportForm form;
  int refreshed = 0;
  form.SetRefresh([&](DxfImportForm& changed) {
    ++refreshed;
    Offer(changed);
  });
  Offer(form);
  DxfImportDialog dialog(form, false);
  auto* loops = dialog.findChild<QComboBox*>("loops");
  auto* axes = dialog.findChild<QComboBox*>("axes");
  auto* units = dialog.findChild<QComboBox*>("units");
  auto* notes = dialog.findChild<QLabel*>("notes");
  auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  ASSERT_TRUE(loops && axes && units && notes && ok);
  EXPECT_EQ(loops->count(), 2);
  EXPECT_EQ(axes->count(), 3);
  EXPECT_EQ(units->count(), 4);
  EXPECT_EQ(notes->text(), "Achse: y = 0");
  EXPECT_TRUE(ok->isEnabled());

  QWidget* preview = dialog.findChild<QWidget*>("preview");
  ASSERT_NE(preview, nullptr);
  preview->resize(400, 300);
  EXPECT_GT(RedPixels(preview->grab().toImage()), 200);

  loops->setCurrentIndex(1);
  EXPECT_EQ(form.loop, 1);
  EXPECT_EQ(refreshed, 1);
  axes->setCurrentIndex(2);
  EXPECT_EQ(form.axis, 2);
  EXPECT_EQ(refreshed, 2);
  EXPECT_EQ(notes->text(), "keine Kontur");
  EXPECT_FALSE(ok->isEnabled());
  units->setCurrentIndex(2);
  EXPECT_EQ(form.units, 2);
  EXPECT_EQ(loops->currentIndex(), 1);  // the choices stay as made
}

}  // namespace
}  // namespace kalo::testing
