// The trim road as a user walks it, through the mouse: play a clip, take the
// begin from the playing preview and the end from a seek, and press Convert
// while the preview plays or stands paused. In every shape one Convert
// leaves exactly one file, of the length asked, and starts nothing after it.
#include <QDir>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/gui/window_text.h"
#include "app/job_item.h"
#include "controls/bitmap_slider.h"
#include "engine/conversion_texts.h"
#include "engine/number_text.h"
#include "media_clip.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

constexpr double kClipSeconds = 6.0;
// Where the begin is taken while the clip plays, and where the end is sought.
constexpr double kBeginAfterSeconds = 1.5;
constexpr double kEndShare = 0.7;
// Encoders cut at the nearest frames and pad the sound a little.
constexpr double kLengthTolerance = 0.35;

enum Bound { kNoBound = 0, kBegin = 1, kEnd = 2 };

struct Road {
  int bounds;
  bool playingAtConvert;
};

std::string RoadText(const Road& road) {
  static const char* const kShapes[] = {"Neither", "BeginOnly", "EndOnly", "Both"};
  return std::string(kShapes[road.bounds]) + (road.playingAtConvert ? "_Playing" : "_Paused");
}

void PrintTo(const Road& road, std::ostream* out) { *out << RoadText(road); }

std::string RoadName(const ::testing::TestParamInfo<Road>& info) { return RoadText(info.param); }

class TrimRoad : public WindowTest, public ::testing::WithParamInterface<Road> {
 protected:
  // One clip for the whole suite: H.264 and AAC in Matroska, as cameras and
  // downloads give them.
  static void SetUpTestSuite() {
    clipFolder_ = std::make_unique<ScratchFolder>();
    clip_ = clipFolder_->file("clip.mkv");
    const std::string seconds = FixedText(kClipSeconds, 6);  // with a dot in every locale
    ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=" + seconds +
                          " -f lavfi -i sine=frequency=440:sample_rate=44100:duration=" + seconds +
                          " -ac 2 -c:v libx264 -preset ultrafast -c:a aac -shortest " + ShellQuoted(clip_)));
  }
  static void TearDownTestSuite() { clipFolder_.reset(); }

  void SetUp() override {
    // The real player, drawing and sounding nothing.
    setenv("ORVA_PLAYER_HEADLESS", "1", 1);
    std::filesystem::create_symlink(ORVA_PLAYER, program_.file("py.dat"));
  }
  void TearDown() override {
    CloseWindow();
    unsetenv("ORVA_PLAYER_HEADLESS");
  }

  bool Loaded() const { return (window_->uiState() & kUiPreviewLoaded) != 0; }
  bool Converting() const { return (window_->uiState() & kUiConverting) != 0; }
  bool Playing() const { return Loaded() && window_->preview().playing(); }

  void ClickSeekSlider(double share) {
    QWidget* slider = window_->control(IDC_SEEK_SLIDER);
    ClickAt(slider, QPointF(slider->width() * share, slider->height() / 2.0));
  }

  // Clicks a time label and answers its question Yes.
  void TakeBound(int labelId) {
    desktop_->yesNoAnswers.push_back(true);
    const std::size_t asked = desktop_->questions.size();
    Click(labelId);
    EXPECT_EQ(desktop_->questions.size(), asked + 1) << "no question for label " << labelId;
  }

  // Play, and the begin is taken while the clip plays.
  void TakeBeginWhilePlaying() {
    Click(IDC_PLAY);
    ASSERT_TRUE(WaitUntil([&] { return Playing() && window_->preview().currentTime() >= kBeginAfterSeconds; },
                          10000));
    TakeBound(IDC_TRIM_BEGIN);
  }

  void TakeEndAfterSeeking() {
    ClickSeekSlider(kEndShare);
    TakeBound(IDC_TRIM_END);
  }

  // The preview plays (and its position moves) or stands paused.
  void LeavePreview(bool playing) {
    if (playing) {
      if (!Playing()) Click(IDC_PLAY);
      const double from = window_->preview().currentTime();
      ASSERT_TRUE(WaitUntil([&] { return Playing() && window_->preview().currentTime() > from + 0.2; }, 10000));
    } else {
      if (Playing()) Click(IDC_PAUSE);
      ASSERT_TRUE(Loaded());
      ASSERT_FALSE(Playing());
    }
  }

  std::vector<std::string> Outputs() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(videos_.path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  static std::unique_ptr<ScratchFolder> clipFolder_;
  static std::string clip_;
};

std::unique_ptr<ScratchFolder> TrimRoad::clipFolder_;
std::string TrimRoad::clip_;

TEST_P(TrimRoad, OneConvertGivesOneFileOfTheLengthAsked) {
  const Road road = GetParam();
  ZozDlg& window = OpenWindow();
  window.show();
  Drop({QString::fromStdString(clip_)});
  ASSERT_TRUE(WaitUntil([&] { return Loaded(); }, 20000));
  JobItem* job = TheJobList().at(0);
  ASSERT_NE(job, nullptr);

  if ((road.bounds & kBegin) != 0) {
    ASSERT_NO_FATAL_FAILURE(TakeBeginWhilePlaying());
  }
  if ((road.bounds & kEnd) != 0) {
    ASSERT_NO_FATAL_FAILURE(TakeEndAfterSeeking());
  }
  if ((road.bounds & kBegin) != 0) {
    EXPECT_GE(job->trim_begin, kBeginAfterSeconds - 0.1);
    EXPECT_LT(job->trim_begin, kBeginAfterSeconds + 1.5);
  } else {
    EXPECT_EQ(job->trim_begin, 0);
  }
  if ((road.bounds & kEnd) != 0) {
    EXPECT_NEAR(job->trim_end, kClipSeconds * kEndShare, 0.5);
  } else {
    EXPECT_EQ(job->trim_end, job->duration);
  }
  const double asked = std::min(job->trim_end, job->duration) - job->trim_begin;
  ASSERT_NO_FATAL_FAILURE(LeavePreview(road.playingAtConvert));

  Click(IDC_CONVERT);
  // The encoder is handed what the add measured, and need not measure again.
  EXPECT_NE(std::string(window.lanes().driver(0).encoderRunner().commandLine).find(" -source-facts "), std::string::npos)
      << window.lanes().driver(0).encoderRunner().commandLine;
  const QString success = ShownText(kStatusSuccess);
  ASSERT_TRUE(WaitUntil([&] { return !Converting() && Row(0, 3) == success.toStdString(); }, 60000))
      << "row status " << Row(0, 3);
  // Nothing starts again after the run: no second run, no second file.
  EXPECT_FALSE(WaitUntil([&] { return Converting() || Outputs().size() > 1; }, 1500));
  EXPECT_EQ(Outputs(), std::vector<std::string>{"clip.mp4"});
  EXPECT_NEAR(MediaDuration(videos_.file("clip.mp4")), asked, kLengthTolerance);
}

INSTANTIATE_TEST_SUITE_P(EveryShape, TrimRoad,
                         ::testing::Values(Road{kNoBound, false}, Road{kNoBound, true}, Road{kBegin, false},
                                           Road{kBegin, true}, Road{kEnd, false}, Road{kEnd, true},
                                           Road{kBegin | kEnd, false}, Road{kBegin | kEnd, true}),
                         RoadName);

}  // namespace
}  // namespace orva::test
