// Input fields select their text when they get the focus, by the keyboard or by a click,
// so that typing replaces the value.
#include "qt/select_on_focus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace kalo {
namespace {

TEST(SelectOnFocus, TypingIntoAFocusedFieldReplacesItsValue) {
  SelectTextOnFocus(*qApp);
  QWidget window;
  auto* first = new QLineEdit("7,8");
  auto* second = new QLineEdit("5");
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(first);
  layout->addWidget(second);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  first->setFocus(Qt::TabFocusReason);
  QTest::qWait(20);
  EXPECT_EQ(first->selectedText(), "7,8");
  QTest::keyClicks(first, "2,7");
  EXPECT_EQ(first->text(), "2,7");

  QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(4, 4));
  QTest::qWait(20);
  EXPECT_EQ(second->selectedText(), "5");
}

}  // namespace
}  // namespace kalo
