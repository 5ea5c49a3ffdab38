// The preview in the window, as the user plays it: the seek slider under the
// mouse and the play clock, against the fake player.
#include <QTest>

#include "app/gui/control_ids.h"
#include "controls/bitmap_slider.h"
#include "controls/wx_static.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

class PreviewWindow : public WindowTest {
 protected:
  ZozDlg& PlayingWindow(const std::string& playerScript, double seconds) {
    UsePlayer(playerScript);
    ZozDlg& window = OpenWindow();
    window.show();
    Drop({QString::fromStdString(Clip("clip.mkv", seconds))});
    EXPECT_TRUE(window.preview().loaded());
    Click(IDC_PLAY);
    EXPECT_TRUE(window.preview().playing());
    return window;
  }

  CBitmapSlider* Seek() const { return static_cast<CBitmapSlider*>(window_->control(IDC_SEEK_SLIDER)); }
  QString Clock() const { return static_cast<CwxStatic*>(window_->control(IDC_PLAY_TIME))->text(); }

  // The x of `percent` on the seek slider and the position a click there gives.
  int X(int percent) const { return Seek()->width() * percent / 100; }
  int PositionAt(int percent) const {
    return static_cast<int>(static_cast<double>(X(percent)) / Seek()->width() * 10000);
  }
  void ClickSeek(int percent) {
    QTest::mousePress(Seek(), Qt::LeftButton, {}, QPoint(X(percent), 4));
    QTest::mouseRelease(Seek(), Qt::LeftButton, {}, QPoint(X(percent), 4));
  }
};

TEST_F(PreviewWindow, HeldSeekThumbStaysUnderTheMouseThroughClockTicks) {
  PlayingWindow("ct:0001.00", 60);
  QTest::mousePress(Seek(), Qt::LeftButton, {}, QPoint(X(83), 4));
  WaitUntil([] { return false; }, 1600);  // at least one clock tick while held
  EXPECT_EQ(Seek()->GetPos(), PositionAt(83));
  QTest::mouseRelease(Seek(), Qt::LeftButton, {}, QPoint(X(83), 4));
  const std::string seek = "to:" + std::to_string(PositionAt(83)) + "\n";
  EXPECT_NE(PlayerRecord("input").find(seek), std::string::npos) << PlayerRecord("input");
}

TEST_F(PreviewWindow, ClockAndSliderFollowWhatThePlayerReports) {
  ZozDlg& window = PlayingWindow("ct:0014.68", 20);
  for (int i = 0; i < 4; ++i) {
    Click(IDC_PAUSE);
    Click(IDC_PLAY);
  }
  EXPECT_TRUE(WaitUntil([&] { return Clock().startsWith("00:00:14 / "); }, 5000)) << Clock().toStdString();
  EXPECT_EQ(Seek()->GetPos(), static_cast<int>(14 * 10000.0 / window.currentJob()->duration));
  EXPECT_TRUE(window.preview().playing());
}

// The second click arrives while the first seek waits for the player.
TEST_F(PreviewWindow, TwoQuickSeeksEndWhereTheSecondPointed) {
  ZozDlg& window = PlayingWindow("", 60);
  const double duration = window.currentJob()->duration;
  const std::string first = "to:" + std::to_string(PositionAt(75)) + "\n";
  const std::string second = "to:" + std::to_string(PositionAt(25)) + "\n";
  bool duringFirst = false;
  WhenPlayerRecords("input", first, [&] {
    duringFirst = true;
    ClickSeek(25);
  });
  ClickSeek(75);
  EXPECT_TRUE(duringFirst);
  WaitUntil([&] { return PlayerRecord("input").find(second) != std::string::npos; }, 5000);
  WaitUntil([] { return false; }, 400);  // the second seek's own wait
  const std::string input = PlayerRecord("input");
  EXPECT_LT(input.find(first), input.find(second)) << input;
  // Picture, clock and slider all at the second place.
  const int seconds = static_cast<int>(PositionAt(25) * duration / 10000);
  EXPECT_EQ(Seek()->GetPos(), static_cast<int>(seconds * 10000.0 / duration));
  EXPECT_TRUE(Clock().startsWith(QStringLiteral("00:00:%1 / ").arg(seconds, 2, 10, QLatin1Char('0'))))
      << Clock().toStdString();
}

}  // namespace
}  // namespace orva::test
