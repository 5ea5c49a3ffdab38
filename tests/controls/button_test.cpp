#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "controls/gdip_button.h"
#include "controls/skin_images.h"
#include "controls_test_support.h"

namespace orva {
namespace {

using test::kPanel;

constexpr QRgb kRed = 0xFFC80000;   // left 20 columns of test picture 10001
constexpr QRgb kBlue = 0xFF0000C8;  // left 20 columns of test picture 10005

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() : button(new CGdipButton(1000, &panel)) {
    button->setGeometry(10, 10, 50, 50);
    EXPECT_TRUE(button->LoadStdImage(kImgAddFile));
  }

  QRgb Pixel(int x, int y) { return panel.PixelOf(*button, x, y); }

  void Hover() {
    QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
    QApplication::sendEvent(button, &enter);
  }

  void SendMouse(QEvent::Type type) {
    const QPointF at(5, 5);
    QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &event);
  }

  test::Panel panel;
  CGdipButton* button;
};

TEST_F(ButtonTest, PictureSitsAtTheTopLeftOverThePanel) {
  EXPECT_EQ(Pixel(0, 0), kRed);
  EXPECT_EQ(Pixel(19, 44), kRed);
  EXPECT_EQ(Pixel(20, 5), kPanel);  // transparent part of the picture
  EXPECT_EQ(Pixel(47, 47), kPanel);  // the place is larger than the picture
}

TEST_F(ButtonTest, HoverBrightensUntilTheMouseLeaves) {
  Hover();
  EXPECT_TRUE(button->isHovering());
  EXPECT_EQ(Pixel(5, 5), qRgb(223, 13, 13));
  EXPECT_EQ(Pixel(30, 5), kPanel);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_FALSE(button->isHovering());
  EXPECT_EQ(Pixel(5, 5), kRed);
}

TEST_F(ButtonTest, PressedPictureShiftsByOnePixel) {
  Hover();
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(button->isDown());
  EXPECT_EQ(Pixel(0, 5), kPanel);
  EXPECT_EQ(Pixel(5, 0), kPanel);
  EXPECT_EQ(Pixel(20, 5), kRed);
  EXPECT_EQ(Pixel(1, 1), kRed);  // not brightened while held
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Pixel(0, 5), qRgb(223, 13, 13));
}

TEST_F(ButtonTest, DisabledButtonIsGrey) {
  button->setEnabled(false);
  EXPECT_EQ(Pixel(5, 5), qRgb(60, 60, 60));
  EXPECT_EQ(Pixel(30, 5), kPanel);
  button->setEnabled(true);
  EXPECT_EQ(Pixel(5, 5), kRed);
}

TEST_F(ButtonTest, MissingOrBrokenPictureDrawsNothing) {
  EXPECT_FALSE(button->LoadStdImage(kImgDelete));
  EXPECT_EQ(Pixel(5, 5), kPanel);
  Hover();
  EXPECT_EQ(Pixel(5, 5), kPanel);
  EXPECT_FALSE(button->LoadStdImage(kImgClear));
  button->setEnabled(false);
  EXPECT_EQ(Pixel(5, 5), kPanel);
}

TEST_F(ButtonTest, ToggleModeSwitchesPictureSetsOnEachClick) {
  ASSERT_TRUE(button->LoadAltImage(kImgEditProfile));
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(button->isToggled());  // not in toggle mode yet
  EXPECT_EQ(Pixel(5, 5), kRed);

  button->SetToggle(true);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(button->isToggled());
  EXPECT_EQ(Pixel(5, 5), kBlue);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(button->isToggled());
  EXPECT_EQ(Pixel(5, 5), kRed);
}

TEST_F(ButtonTest, SpaceEnterAndReturnEachClickOnce) {
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 1);
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 2);
  QTest::keyClick(button, Qt::Key_Enter);
  EXPECT_EQ(clicks.count(), 3);
}

TEST_F(ButtonTest, QuickSecondPressIsASecondClick) {
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  SendMouse(QEvent::MouseButtonPress);
  SendMouse(QEvent::MouseButtonRelease);
  SendMouse(QEvent::MouseButtonDblClick);
  SendMouse(QEvent::MouseButtonRelease);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonTest, ToolTipTextIsAlsoTheAccessibleName) {
  button->SetToolTipText("Add Files");
  EXPECT_EQ(button->toolTip(), "Add Files");
  EXPECT_EQ(button->accessibleName(), "Add Files");

  button->SetToolTipText(QString());  // an empty text keeps the last one
  EXPECT_EQ(button->toolTip(), "Add Files");

  button->SetToolTipText("Convert", false);
  EXPECT_TRUE(button->toolTip().isEmpty());
  EXPECT_EQ(button->accessibleName(), "Convert");
}

TEST_F(ButtonTest, FocusRingShowsOnlyForKeyboardFocus) {
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  const QImage unfocused = button->grab().toImage();
  button->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(button->hasFocus());
  EXPECT_FALSE(button->showsFocusRing());
  EXPECT_EQ(button->grab().toImage(), unfocused);

  // The ring follows the picture's outline: the corners outside it stay
  // as they were.
  button->clearFocus();
  button->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(button->showsFocusRing());
  const QImage ringed = button->grab().toImage();
  EXPECT_NE(ringed, unfocused);
  EXPECT_EQ(ringed.pixel(0, 0), unfocused.pixel(0, 0));

  button->clearFocus();
  EXPECT_EQ(button->grab().toImage(), unfocused);
}

}  // namespace
}  // namespace orva
