#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "controls/bitmap_slider.h"
#include "controls/control_accessibility.h"
#include "controls/wx_static.h"

namespace orva {
namespace {

// Installed before any control exists: an interface, once made, is kept.
class AccessibilityTest : public ::testing::Test {
 protected:
  AccessibilityTest() { InstallControlAccessibility(); }
};

QAccessibleInterface* Reader(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

TEST_F(AccessibilityTest, SliderValueIsInSpokenUnitsAndSettingItMovesLikeAKey) {
  QWidget panel;
  auto* slider = new CBitmapSlider(1039, &panel);
  slider->SetRange(0, 10000);
  slider->SetSpokenScale(10, QStringLiteral("%1 seconds"));
  slider->SetPos(5000);
  QSignalSpy moved(slider, &CBitmapSlider::moved);

  QAccessibleInterface* reader = Reader(slider);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->role(), QAccessible::Slider);
  QAccessibleValueInterface* value = reader->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), 5.0);
  EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), 10.0);
  EXPECT_EQ(reader->text(QAccessible::Value), QStringLiteral("5.0 seconds"));

  // Out of range values are limited; the move is reported once the caller
  // has returned.
  value->setCurrentValue(2.5);
  EXPECT_EQ(moved.count(), 0);
  ASSERT_TRUE(moved.wait(2000));
  EXPECT_EQ(moved.takeFirst().at(1).toInt(), 2500);
  value->setCurrentValue(99.0);
  ASSERT_TRUE(moved.wait(2000));
  EXPECT_EQ(slider->GetPos(), 10000);

  slider->setEnabled(false);
  value->setCurrentValue(1.0);
  QTest::qWait(50);
  EXPECT_EQ(slider->GetPos(), 10000);
}

TEST_F(AccessibilityTest, SliderArrowKeysMoveByTheLineSize) {
  CBitmapSlider slider(1070);
  slider.SetRange(0, 256);
  slider.SetLineSize(8);
  slider.SetPos(100);
  QTest::keyClick(&slider, Qt::Key_Right);
  EXPECT_EQ(slider.GetPos(), 108);
  QTest::keyClick(&slider, Qt::Key_Left);
  QTest::keyClick(&slider, Qt::Key_Left);
  EXPECT_EQ(slider.GetPos(), 92);
}

TEST_F(AccessibilityTest, ALabelWithActionsIsAButtonTheKeyboardClicks) {
  QWidget panel;
  auto* label = new CwxStatic(1044, &panel);
  label->setText(QStringLiteral("00:00:01.00"));
  QSignalSpy clicked(label, &CwxStatic::clicked);
  QSignalSpy rightClicked(label, &CwxStatic::rightClicked);

  // Without actions it is text and keys do nothing.
  QAccessibleInterface* reader = Reader(label);
  EXPECT_EQ(reader->role(), QAccessible::StaticText);
  QTest::keyClick(label, Qt::Key_Return);
  EXPECT_EQ(clicked.count(), 0);
  EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);

  label->SetCaption(QStringLiteral("Begin:"));
  label->SetActions(QStringLiteral("Set begin"), QStringLiteral("Go to begin"));
  EXPECT_EQ(reader->role(), QAccessible::Button);
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Begin: 00:00:01.00"));
  EXPECT_EQ(label->accessibleName(), QStringLiteral("Begin: 00:00:01.00"));
  ASSERT_NE(reader->actionInterface(), nullptr);
  EXPECT_EQ(reader->actionInterface()->actionNames(),
            QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::showMenuAction()}));
  EXPECT_NE(label->focusPolicy(), Qt::NoFocus);

  QTest::keyClick(label, Qt::Key_Return);
  QTest::keyClick(label, Qt::Key_Space);
  QTest::keyClick(label, Qt::Key_Menu);
  QTest::keyClick(label, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_EQ(clicked.count(), 2);
  EXPECT_EQ(rightClicked.count(), 2);

  reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_TRUE(clicked.wait(2000));
  label->SetLink(true);
  EXPECT_EQ(reader->role(), QAccessible::Link);
}

TEST_F(AccessibilityTest, AnEmptyLabelIsNotShownToAScreenReader) {
  QWidget panel;
  auto* label = new CwxStatic(1014, &panel);
  panel.show();
  QAccessibleInterface* reader = Reader(label);
  EXPECT_TRUE(reader->state().invisible);
  label->setText(QStringLiteral("50% 1/2"));
  EXPECT_FALSE(reader->state().invisible);
}

TEST_F(AccessibilityTest, ComboIsNamedAfterItsCaptionElseItsText) {
  QComboBox combo;
  combo.addItem(QStringLiteral("/home/user/Videos"));
  QAccessibleInterface* reader = Reader(&combo);
  EXPECT_EQ(reader->role(), QAccessible::ComboBox);
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("/home/user/Videos"));
  combo.setAccessibleName(QStringLiteral("Destination"));
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Destination"));
  EXPECT_EQ(reader->text(QAccessible::Value), QStringLiteral("/home/user/Videos"));
}

// The items of a closed list are nowhere on screen: a screen reader meets
// the list only while it is open.
TEST_F(AccessibilityTest, ACombosListIsItsChildOnlyWhileOpen) {
  QComboBox combo;
  combo.addItems({QStringLiteral("Browse..."), QStringLiteral("/home/user/Videos")});
  combo.show();
  QAccessibleInterface* reader = Reader(&combo);
  EXPECT_EQ(reader->childCount(), 0);
  EXPECT_EQ(reader->child(0), nullptr);
  combo.showPopup();
  ASSERT_TRUE(QTest::qWaitFor([&] { return combo.view()->isVisible(); }, 2000));
  ASSERT_EQ(reader->childCount(), 1);
  EXPECT_EQ(reader->child(0)->object(), static_cast<QObject*>(combo.view()));
  EXPECT_EQ(reader->indexOfChild(reader->child(0)), 0);
  combo.hidePopup();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !combo.view()->isVisible(); }, 2000));
  EXPECT_EQ(reader->childCount(), 0);
}

}  // namespace
}  // namespace orva
