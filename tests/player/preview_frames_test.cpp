// The preview with the real player handing its pictures over in memory: the
// controller passes the memory on at launch, tells the player new sizes, and
// shows each announced picture until the player goes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <string>

#include "media_clip.h"
#include "preview_test_support.h"

namespace orva::test {
namespace {

constexpr std::uint32_t kClipColour = 0xE02080;

bool NearClipColour(std::uint32_t pixel) {
  auto near = [](std::uint32_t a, std::uint32_t b) { return (a > b ? a - b : b - a) <= 24; };
  return near(pixel >> 16 & 0xFF, kClipColour >> 16 & 0xFF) && near(pixel >> 8 & 0xFF, kClipColour >> 8 & 0xFF) &&
         near(pixel & 0xFF, kClipColour & 0xFF);
}

class PreviewFramesTest : public ::testing::Test {
 protected:
  PreviewFramesTest() : jobs(media, 1, 3), controller(view, ORVA_REAL_PLAYER, jobs.list) {}

  void SetUp() override {
    setenv("ORVA_PLAYER_HEADLESS", "1", 1);
    ASSERT_TRUE(RunFfmpeg("-f lavfi -i color=c=0xE02080:size=320x240:rate=25:duration=3 -c:v mpeg4 -q:v 2 " +
                          ShellQuoted(jobs[0].path)));
    ASSERT_TRUE(controller.setPreviewFrames(120, 90));
  }

  ScratchFolder media;
  RecordingPreviewView view;
  PreviewJobs jobs;
  PreviewController controller;
};

TEST_F(PreviewFramesTest, ARowClickShowsThePausedPictureAndANewSizeBringsAPictureOfThatSize) {
  controller.onRowClick(0);
  ASSERT_TRUE(controller.loaded());
  EXPECT_NE(std::string(controller.playerRunner().commandLine).find(" -frames "), std::string::npos);
  ASSERT_TRUE(WatchUntil(controller, [&] { return !view.frames.empty(); }, 8000));
  EXPECT_EQ(view.frames.back().width, 120);
  EXPECT_EQ(view.frames.back().height, 90);
  EXPECT_TRUE(NearClipColour(view.firstPixels.back())) << std::hex << view.firstPixels.back();

  // The window moved to a screen at twice the scale.
  controller.setPreviewSize(240, 180);
  ASSERT_TRUE(WatchUntil(controller, [&] { return view.frames.back().width == 240; }, 5000));
  EXPECT_EQ(view.frames.back().height, 180);
  EXPECT_TRUE(NearClipColour(view.firstPixels.back()));
  EXPECT_FALSE(controller.playing());

  // Stopping drops the picture: the area is black again.
  controller.StopPreview();
  EXPECT_TRUE(view.frames.empty());
  EXPECT_GE(view.invalidations, 1);
}

TEST_F(PreviewFramesTest, TheNextPlayerStartsAtTheSizeChosenWhileNoneRan) {
  controller.setPreviewSize(200, 150);
  controller.play();  // no current job: the focused row's
  EXPECT_FALSE(controller.loaded()) << "no row is focused";
  view.focused = 0;
  controller.play();
  ASSERT_TRUE(controller.loaded());
  EXPECT_NE(std::string(controller.playerRunner().commandLine).find("-x 200 -y 150"), std::string::npos)
      << controller.playerRunner().commandLine;
  ASSERT_TRUE(WatchUntil(controller, [&] { return view.frames.size() >= 10; }, 8000));
  EXPECT_EQ(view.frames.back().width, 200);
  // The clip ends and with it the player: no picture stays behind.
  ASSERT_TRUE(WatchUntil(controller, [&] { return !controller.loaded(); }, 10000));
  EXPECT_TRUE(view.frames.empty());
}

}  // namespace
}  // namespace orva::test
