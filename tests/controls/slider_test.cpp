#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <string>
#include <vector>

#include "controls/bitmap_slider.h"
#include "controls/skin_images.h"
#include "controls_test_support.h"

namespace orva {
namespace {

using test::kPanel;

// Test channel 15002: (60, 60, 60) up to x 200, key colour after it;
// active picture 15003: (0, 200, 0) throughout; both 251 x 8.
const QColor kSeekKey(238, 148, 20);
constexpr QRgb kChannel = 0xFF3C3C3C;
constexpr QRgb kActive = 0xFF00C800;

class SliderTest : public ::testing::Test {
 protected:
  SliderTest() : slider(new CBitmapSlider(1039, &panel)) {
    slider->move(10, 10);
    EXPECT_TRUE(slider->SetBitmapChannel(kImgSeekChannel, kImgSeekActive, kSeekKey));
    slider->SetRange(0, 10000);
    QObject::connect(slider, &CBitmapSlider::moving, [this](int id, int pos) { Note("moving", id, pos); });
    QObject::connect(slider, &CBitmapSlider::moved, [this](int id, int pos) { Note("moved", id, pos); });
  }

  void Note(const char* what, int id, int pos) {
    events.push_back(std::string(what) + " " + std::to_string(id) + " " + std::to_string(pos));
  }

  void Key(Qt::Key key) { QTest::keyClick(slider, key); }

  QRgb Pixel(int x) { return panel.PixelOf(*slider, x, 4); }

  test::Panel panel;
  CBitmapSlider* slider;
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(SliderTest, TakesTheChannelSizeOrKeepsNothing) {
  EXPECT_EQ(slider->geometry(), QRect(10, 10, 251, 8));
  CBitmapSlider volume(1070);
  volume.resize(10, 10);
  EXPECT_FALSE(volume.SetBitmapChannel(kImgSeekChannel, kImgVolumeActive, QColor(1, 22, 128)));
  EXPECT_EQ(volume.size(), QSize(10, 10));
}

TEST_F(SliderTest, ClickJumpsToThePointerThenReportsTheRelease) {
  QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(125, 4));
  EXPECT_EQ(events, Events{"moving 1039 4980"});
  EXPECT_EQ(slider->GetPos(), 4980);
  QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(125, 4));
  EXPECT_EQ(events, (Events{"moving 1039 4980", "moved 1039 4980"}));
}

TEST_F(SliderTest, HeldFillIgnoresPositionsSetMeanwhile) {
  QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(208, 4));
  slider->SetPos(2900);  // the playing position arrives while the button is held
  EXPECT_EQ(slider->GetPos(), 8286);
  QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(208, 4));
  EXPECT_EQ(events.back(), "moved 1039 8286");
  slider->SetPos(2900);
  EXPECT_EQ(slider->GetPos(), 2900);
}

TEST_F(SliderTest, ReleaseWithoutChangeStillReportsMoved) {
  slider->SetPos(0);
  QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(0, 4));
  EXPECT_EQ(events, Events{"moved 1039 0"});
}

TEST_F(SliderTest, DragReportsEachChangeAndStaysInTheRange) {
  QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(10, 4));
  QTest::mouseMove(slider, QPoint(400, 4));
  QTest::mouseMove(slider, QPoint(-30, 4));
  QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(-30, 4));
  EXPECT_EQ(events, (Events{"moving 1039 398", "moving 1039 10000", "moving 1039 0", "moved 1039 0"}));
}

TEST_F(SliderTest, KeysMoveWithinTheRangeAndEachReportsMoved) {
  slider->SetPos(5000);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(slider->GetPos(), 4980);
  Key(Qt::Key_PageDown);
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  EXPECT_EQ(slider->GetPos(), 5002);
  Key(Qt::Key_Left);
  Key(Qt::Key_Up);
  EXPECT_EQ(slider->GetPos(), 5000);
  Key(Qt::Key_End);
  EXPECT_EQ(slider->GetPos(), 10000);
  Key(Qt::Key_PageDown);
  Key(Qt::Key_Right);
  EXPECT_EQ(slider->GetPos(), 10000);
  Key(Qt::Key_Home);
  Key(Qt::Key_PageUp);
  Key(Qt::Key_Left);
  EXPECT_EQ(slider->GetPos(), 0);
  EXPECT_EQ(events.size(), 12u);
  EXPECT_EQ(events.back(), "moved 1039 0");
  EXPECT_EQ(events[6], "moved 1039 10000");

  Key(Qt::Key_A);  // not a slider key
  EXPECT_EQ(events.size(), 12u);
}

TEST_F(SliderTest, PositionIsLimitedToTheRange) {
  slider->SetPos(20000);
  EXPECT_EQ(slider->GetPos(), 10000);
  slider->SetPos(-5);
  EXPECT_EQ(slider->GetPos(), 0);
  slider->SetPos(200);
  slider->SetRange(0, 100);
  EXPECT_EQ(slider->GetPos(), 100);
  slider->SetRange(50, 50);  // an empty range neither crashes nor escapes
  EXPECT_EQ(slider->GetPos(), 50);
  EXPECT_EQ(Pixel(10), kChannel);
}

TEST_F(SliderTest, ActivePartFillsUpToThePositionAndTheKeyColourIsNotDrawn) {
  slider->SetPos(5000);  // pixel 125
  EXPECT_EQ(Pixel(0), kActive);
  EXPECT_EQ(Pixel(124), kActive);
  EXPECT_EQ(Pixel(125), kChannel);
  EXPECT_EQ(Pixel(199), kChannel);
  EXPECT_EQ(Pixel(200), kPanel);
  EXPECT_EQ(Pixel(250), kPanel);
}

TEST_F(SliderTest, DisabledSliderShowsTheWholeChannelAndTakesNoInput) {
  slider->SetPos(5000);
  slider->setEnabled(false);
  EXPECT_EQ(Pixel(10), kChannel);
  QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(200, 4));
  Key(Qt::Key_End);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(slider->GetPos(), 5000);
}

}  // namespace
}  // namespace orva
