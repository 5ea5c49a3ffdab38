// Players that will not stop, crash, or cannot start.
#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>

#include "engine/tool_runner.h"
#include "preview_test_support.h"

namespace orva::test {
namespace {

// Waits for an orphan to be reaped by whoever adopted it.
bool GoneWithin(long pid, int limitMs) {
  for (int waited = 0; ProcessRuns(pid); waited += 10) {
    if (waited >= limitMs) return false;
    usleep(10000);
  }
  return true;
}

TEST(PreviewStopTest, APlayerThatIgnoresTerminationIsForcedOutWithItsGroup) {
  PreviewFixture f("stubborn helper");
  int dispatched = 0;
  SetMessageDispatcher([&] { ++dispatched; });
  f.controller.onRowClick(0);
  const long pid = f.player.pid();
  const long helper = f.player.helperPid();
  ASSERT_GT(pid, 0);
  ASSERT_GT(helper, 0);

  f.controller.StopPreview();
  SetMessageDispatcher({});
  EXPECT_FALSE(f.controller.loaded());
  EXPECT_FALSE(ProcessRuns(pid));
  EXPECT_TRUE(GoneWithin(helper, 2000));
  EXPECT_GT(dispatched, 10);  // the window kept handling its messages
  EXPECT_TRUE(f.view.playShown);
  EXPECT_FALSE(f.view.slidersEnabled);
}

TEST(PreviewStopTest, ACrashedPlayerLeavesTheNoPlayerState) {
  PreviewFixture f("sleep:100 abort");
  f.view.focused = 0;
  f.controller.play();
  ASSERT_TRUE(f.controller.loaded());
  ASSERT_TRUE(WatchUntil(f.controller, [&] { return !f.controller.loaded(); }));
  EXPECT_EQ(f.controller.current_job(), nullptr);
  EXPECT_TRUE(f.view.playShown);
  EXPECT_FALSE(f.view.pauseShown);
  EXPECT_FALSE(f.view.slidersEnabled);
  EXPECT_FALSE(f.view.watchTimer);
  EXPECT_FALSE(f.view.clockTimer);
  EXPECT_EQ(f.view.timeLabel, "00:00:00 / 00:00:00");
}

TEST(PreviewStopTest, APlayerThatCannotStartLeavesTheNoPlayerState) {
  ScratchFolder media;
  RecordingPreviewView view;
  PreviewJobs jobs(media, 2, 60);
  PreviewController controller(view, media.file("py.dat"), jobs.list);
  controller.loadJobPaused(&jobs[0]);
  EXPECT_EQ(controller.StartPreview(false), kPreviewNotStarted);
  EXPECT_FALSE(controller.loaded());
  EXPECT_EQ(controller.playerRunner().process, kNoHandle);
  EXPECT_FALSE(view.watchTimer);
  EXPECT_FALSE(view.slidersEnabled);
  EXPECT_TRUE(view.playShown);
  EXPECT_FALSE(view.pauseShown);
  EXPECT_TRUE(view.messages.empty());
}

TEST(PreviewStopTest, TheControllerEndsARunningPlayerWhenItGoes) {
  PreviewFixture f("stubborn");
  auto controller = std::make_unique<PreviewController>(f.view, FakePlayer::program(), f.jobs.list);
  controller->loadJobPaused(&f.jobs[0]);
  const long pid = f.player.pid();
  ASSERT_GT(pid, 0);
  controller.reset();
  EXPECT_TRUE(GoneWithin(pid, 2000));
}

}  // namespace
}  // namespace orva::test
