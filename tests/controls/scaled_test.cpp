#include <gtest/gtest.h>

#include "controls/bitmap_slider.h"
#include "controls/gdip_button.h"
#include "controls/skin_images.h"
#include "controls_test_support.h"

namespace orva {
namespace {

constexpr QRgb kRed = 0xFFC80000;

// Test picture 10006 is 72 x 25 with a red bar 10.5 pixels wide: only a
// picture rendered at the screen's density ends that bar on a whole device
// pixel; a 1x picture scaled up leaves blended columns.
TEST(ScaledScreen, ButtonPictureIsRenderedAtTheScreenDensity) {
  test::Panel panel;
  auto* button = new CGdipButton(1009, &panel);
  button->setGeometry(0, 0, 72, 26);
  ASSERT_TRUE(button->LoadStdImage(kImgBrowse));
  panel.show();
  ASSERT_EQ(button->devicePixelRatioF(), 2.0);

  const QImage shot = panel.grab(button->geometry()).toImage();
  ASSERT_EQ(shot.width(), 144);
  EXPECT_EQ(shot.pixel(20, 10) | 0xFF000000, kRed);
  EXPECT_EQ(shot.pixel(21, 10) | 0xFF000000, test::kPanel);
}

TEST(ScaledScreen, SliderChannelsAreRenderedAtTheScreenDensity) {
  test::Panel panel;
  auto* slider = new CBitmapSlider(1039, &panel);
  panel.show();
  ASSERT_TRUE(slider->SetBitmapChannel(kImgSeekChannel, kImgSeekActive, QColor(238, 148, 20)));
  EXPECT_EQ(slider->size(), QSize(251, 8));
  slider->SetRange(0, 10000);
  slider->SetPos(5000);
  const QImage shot = panel.grab(slider->geometry()).toImage();
  ASSERT_EQ(shot.width(), 502);
  EXPECT_EQ(shot.pixel(249, 8) | 0xFF000000, 0xFF00C800u);
  EXPECT_EQ(shot.pixel(250, 8) | 0xFF000000, 0xFF3C3C3Cu);
  EXPECT_EQ(shot.pixel(400, 8) | 0xFF000000, test::kPanel);
}

}  // namespace
}  // namespace orva
