// The window of a user whose locale writes decimals with a comma: the
// toolkit puts that locale into the C library's number formatting, yet the
// trim range the user clicks is shown, previewed and converted as asked.
#include <QCoreApplication>
#include <QMouseEvent>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/job_item.h"
#include "controls/bitmap_slider.h"
#include "decimal_comma_locale.h"
#include "engine/number_text.h"
#include "engine/tool_runner.h"
#include "media_clip.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

class DecimalCommaWindow : public WindowTest {
 protected:
  void SetUp() override {
    std::string why;
    ASSERT_TRUE(UseDecimalCommaLocale(why)) << why;
    // The real player, drawing and sounding nothing.
    setenv("ORVA_PLAYER_HEADLESS", "1", 1);
    std::filesystem::create_symlink(ORVA_PLAYER, program_.file("py.dat"));
  }
  void TearDown() override {
    CloseWindow();
    unsetenv("ORVA_PLAYER_HEADLESS");
    LeaveDecimalCommaLocale();
  }

  // A click on the seek slider at `share` of its width, as the mouse gives it.
  void ClickSeekSlider(double share) {
    QWidget* slider = window_->control(IDC_SEEK_SLIDER);
    ClickAt(slider, QPointF(slider->width() * share, slider->height() / 2.0));
  }

  // Seeks to about `seconds` of a 10-second clip and clicks the Begin or
  // End time, answering Yes.
  void TakeBoundAt(double seconds, int labelId) {
    ClickSeekSlider(seconds / 10.0);
    desktop_->yesNoAnswers.push_back(true);
    Click(labelId);
  }

  bool Loaded() const { return (window_->uiState() & kUiPreviewLoaded) != 0; }
};

TEST_F(DecimalCommaWindow, ATrimmedJobIsPreviewedFromItsBeginAndConvertsToTheRange) {
  const std::string clip = Clip("clip.mkv", 10);
  ZozDlg& window = OpenWindow();
  window.show();
  Drop({QString::fromStdString(clip)});
  ASSERT_TRUE(WaitUntil([&] { return Loaded(); }, 20000));

  TakeBoundAt(2.3, IDC_TRIM_BEGIN);
  TakeBoundAt(7.5, IDC_TRIM_END);
  const JobItem* job = window.currentJob();
  ASSERT_NE(job, nullptr);
  // The player's "ct:" reports keep their hundredths.
  EXPECT_NEAR(job->trim_begin, 2.3, 0.3);
  EXPECT_NE(job->trim_begin, std::floor(job->trim_begin));
  EXPECT_NEAR(job->trim_end, 7.5, 0.3);
  EXPECT_NE(job->trim_end, std::floor(job->trim_end));
  const std::string row = Row(0, 0);
  EXPECT_EQ(row, "clip[" + FormatClock(job->trim_begin) + " - " + FormatClock(job->trim_end) + "]");
  EXPECT_EQ(row.substr(0, 14), "clip[00:00:02.") << row;
  const double begin = job->trim_begin;
  const double length = job->trim_end - job->trim_begin;

  // Loaded again, the player starts at the begin and keeps playing.
  Click(IDC_STOP_PLAY);
  ASSERT_TRUE(WaitUntil([&] { return !Loaded(); }, 5000));
  ClickRow(0);
  ASSERT_TRUE(WaitUntil([&] { return Loaded(); }, 5000));
  const std::string command = window.preview().playerRunner().commandLine;
  EXPECT_NE(command.find(" -ss " + FixedText(begin, 6) + " "), std::string::npos) << command;
  EXPECT_FALSE(WaitUntil([&] { return !Loaded(); }, 2000)) << "the player refused " << command;

  Click(IDC_CONVERT);
  ASSERT_TRUE(WaitUntil([&] { return (window.uiState() & kUiConverting) == 0; }, 60000));
  EXPECT_EQ(Row(0, 3), "Success!");
  EXPECT_NEAR(MediaDuration(videos_.file("clip.mp4")), length, 0.3);
}

}  // namespace
}  // namespace orva::test
