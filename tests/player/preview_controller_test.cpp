// The preview in the window, against fake players.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/tool_runner.h"
#include "preview_test_support.h"

namespace orva::test {
namespace {

using Arguments = std::vector<std::string>;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The window's no-player display.
void ExpectNoPlayerShown(const PreviewFixture& f) {
  EXPECT_FALSE(f.controller.loaded());
  EXPECT_EQ(f.controller.current_job(), nullptr);
  EXPECT_TRUE(f.view.playShown);
  EXPECT_FALSE(f.view.pauseShown);
  EXPECT_FALSE(f.view.slidersEnabled);
  EXPECT_EQ(f.view.seekPosition, 0);
  EXPECT_EQ(f.view.volumePosition, 0);
  EXPECT_EQ(f.view.timeLabel, "00:00:00 / 00:00:00");
  EXPECT_EQ(f.view.beginLabel, "00:00:00.00");
  EXPECT_EQ(f.view.endLabel, "00:00:00.00");
  EXPECT_FALSE(f.view.watchTimer);
  EXPECT_FALSE(f.view.clockTimer);
}

TEST(PreviewStartTest, ARowClickLoadsTheJobPausedFromItsStart) {
  PreviewFixture f;
  f.controller.onRowClick(0);

  const std::string source = f.jobs[0].path;
  EXPECT_EQ(std::string(f.controller.playerRunner().commandLine),
            Quoted(FakePlayer::program()) + "  -sp -autoexit -vol 256 -windowid 77 -x 640 -y 360 " + Quoted(source));
  ASSERT_TRUE(f.player.pid() > 0);
  EXPECT_EQ(f.player.arguments(),
            (Arguments{"-sp", "-autoexit", "-vol", "256", "-windowid", "77", "-x", "640", "-y", "360", source}));
  EXPECT_EQ(f.controller.current_job(), &f.jobs[0]);
  EXPECT_TRUE(f.controller.loaded());
  EXPECT_FALSE(f.controller.playing());
  EXPECT_TRUE(f.view.playShown);
  EXPECT_FALSE(f.view.pauseShown);
  EXPECT_TRUE(f.view.slidersEnabled);
  EXPECT_EQ(f.view.volumePosition, 256);
  EXPECT_TRUE(f.view.watchTimer);
  EXPECT_FALSE(f.view.clockTimer);
  EXPECT_EQ(f.view.timeLabel, "00:00:00 / 00:02:00");
  EXPECT_EQ(f.view.beginLabel, "00:00:00.00");
  EXPECT_EQ(f.view.endLabel, "00:02:00.00");
}

TEST(PreviewStartTest, ANameHoldingQuotesAndBackslashesIsPreviewed) {
  PreviewFixture f;
  const std::string source = f.media.file(R"(say "hi" \"there\" -vol 0\.mkv)");
  std::snprintf(f.jobs[0].path, sizeof f.jobs[0].path, "%s", source.c_str());
  SplitJobPath(f.jobs[0]);
  f.controller.onRowClick(0);
  ASSERT_TRUE(f.player.pid() > 0);
  EXPECT_EQ(f.player.arguments(),
            (Arguments{"-sp", "-autoexit", "-vol", "256", "-windowid", "77", "-x", "640", "-y", "360", source}));
  EXPECT_TRUE(f.controller.loaded());
}

TEST(PreviewStartTest, ATrimmedJobStartsAtItsBeginWithTheClockOnTheNextSecond) {
  PreviewFixture f;
  f.jobs[1].trim_begin = 12.5;
  f.view.focused = 1;
  f.controller.play();  // no current job: the focused row's

  EXPECT_EQ(f.view.selectedRows, std::vector<int>{1});
  EXPECT_EQ(std::string(f.controller.playerRunner().commandLine),
            Quoted(FakePlayer::program()) + "  -ss 12.500000 -autoexit -vol 256 -windowid 77 -x 640 -y 360 " +
                Quoted(f.jobs[1].path));
  EXPECT_TRUE(f.controller.playing());
  EXPECT_TRUE(f.view.pauseShown);
  EXPECT_FALSE(f.view.playShown);
  EXPECT_TRUE(f.view.clockTimer);
  EXPECT_EQ(f.controller.clock_seconds(), 13);
  EXPECT_EQ(f.view.timeLabel, "00:00:13 / 00:02:00");
  EXPECT_EQ(f.view.seekPosition, 1083);
  EXPECT_EQ(f.view.beginLabel, "00:00:12.50");
}

TEST(PreviewStartTest, PlayWithoutCurrentJobOrFocusedRowDoesNothing) {
  PreviewFixture f;
  f.controller.play();
  EXPECT_FALSE(f.controller.loaded());
  EXPECT_TRUE(f.view.selectedRows.empty());
}

TEST(PreviewPlayTest, PlayPauseAndStopSwitchStatesAndSendTheirCommands) {
  PreviewFixture f("ct:0002.50");
  f.controller.onRowClick(0);
  const long pid = f.player.pid();

  f.controller.play();
  EXPECT_EQ(f.player.inputEndingWith("vol:p256\n"), "vol:p256\n");
  EXPECT_TRUE(f.view.pauseShown);
  EXPECT_TRUE(f.view.clockTimer);
  f.controller.play();  // already playing: nothing is sent

  // Ticks are not counted: the clock shows what the player reported.
  ASSERT_TRUE(WatchUntil(f.controller, [&] { return f.controller.currentTime() == 2.5; }));
  f.controller.onPlayClockTimer();
  f.controller.onPlayClockTimer();
  f.controller.onPlayClockTimer();
  EXPECT_EQ(f.view.timeLabel, "00:00:02 / 00:02:00");
  EXPECT_EQ(f.view.seekPosition, 166);

  f.controller.pause();
  EXPECT_EQ(f.player.inputEndingWith("vol:p0\n"), "vol:p256\nvol:p0\n");
  EXPECT_TRUE(f.view.playShown);
  EXPECT_FALSE(f.view.pauseShown);
  EXPECT_FALSE(f.view.clockTimer);
  f.controller.onPlayClockTimer();  // a late tick while paused
  EXPECT_EQ(f.controller.clock_seconds(), 2);
  f.controller.pause();

  f.controller.StopPreview();
  ExpectNoPlayerShown(f);
  EXPECT_EQ(f.view.invalidations, 1);
  EXPECT_FALSE(ProcessRuns(pid));
  EXPECT_EQ(f.player.input(), "vol:p256\nvol:p0\n");
}

TEST(PreviewPlayTest, ClicksOnRowsSwitchTheJobOnlyWhenAnotherRowIsHit) {
  PreviewFixture f;
  f.controller.onRowClick(0);
  const long first = f.player.pid();
  f.controller.onRowClick(0);  // the loaded row: no restart
  EXPECT_EQ(f.player.pid(), first);
  EXPECT_TRUE(ProcessRuns(first));

  FakePlayer second;
  f.controller.onRowClick(2);
  ASSERT_TRUE(second.pid() > 0);
  EXPECT_FALSE(ProcessRuns(first));
  EXPECT_EQ(f.controller.current_job(), &f.jobs[2]);
  EXPECT_TRUE(f.controller.loaded());

  f.controller.onRowClick(-1);  // no row
  ExpectNoPlayerShown(f);
}

TEST(PreviewPlayTest, ARowClickDuringAConversionOnlyChoosesTheJob) {
  PreviewFixture f;
  f.view.convertingSet = true;
  f.controller.onRowClick(1);
  f.controller.play();
  EXPECT_EQ(f.controller.current_job(), &f.jobs[1]);
  EXPECT_FALSE(f.controller.loaded());
  EXPECT_EQ(f.controller.playerRunner().process, kNoHandle);
  EXPECT_EQ(f.view.timeLabel, "");

  f.view.convertingSet = false;  // the conversion has ended
  f.controller.play();
  EXPECT_TRUE(f.controller.playing());
  ASSERT_TRUE(f.player.pid() > 0);
  EXPECT_EQ(f.player.arguments().back(), f.jobs[1].path);
}

TEST(PreviewSeekTest, TheSliderAtItsEndSeeksToTheLastTenThousandth) {
  PreviewFixture f;
  f.controller.onRowClick(0);
  f.controller.onSeekSlider(10000);
  EXPECT_EQ(f.player.inputEndingWith("to:10000\n"), "to:10000\n");
  EXPECT_DOUBLE_EQ(f.controller.currentTime(), 120);
  EXPECT_EQ(f.view.timeLabel, "00:02:00 / 00:02:00");
  EXPECT_EQ(f.view.seekPosition, 10000);
  EXPECT_FALSE(f.controller.playing());  // a paused player stays paused
}

TEST(PreviewSeekTest, ARightClickOnAnEndAtTheDurationSeeksTwoSecondsShortAndPauses) {
  PreviewFixture f("wait wait ct:0118.00");
  f.view.focused = 0;
  f.controller.play();
  // A busy machine may answer late: the window's loop waits for the answer.
  SetMessageDispatcher([&] {
    if (f.player.inputEndingWith("to:9833\n", 200).ends_with("to:9833\n")) {
      WatchUntil(f.controller, [&] { return f.controller.currentTime() == 118; });
    }
  });
  f.controller.SeekPreviewTo(f.jobs[0].trim_end);
  SetMessageDispatcher({});

  EXPECT_EQ(f.player.inputEndingWith("to:9833\n"), "vol:p0\nto:9833\n");
  EXPECT_FALSE(f.controller.playing());
  EXPECT_TRUE(f.view.playShown);
  EXPECT_EQ(f.controller.clock_seconds(), 119);  // the reported 118 s, shown on the next second
  EXPECT_EQ(f.view.timeLabel, "00:01:59 / 00:02:00");

  f.controller.SeekPreviewTo(120.5);  // beyond the source
  f.controller.SeekPreviewTo(-1);
  EXPECT_EQ(f.player.input(), "vol:p0\nto:9833\n");
}

TEST(PreviewSeekTest, VolumeMovesAreSentAndTheNextLaunchStartsAtThatVolume) {
  PreviewFixture f;
  f.controller.onRowClick(0);
  f.controller.onVolumeSlider(0);
  f.controller.onVolumeSlider(256);
  f.controller.onVolumeSlider(100);
  EXPECT_EQ(f.player.inputEndingWith("vol:x100\n"), "vol:x0\nvol:x256\nvol:x100\n");
  f.controller.play();
  EXPECT_EQ(f.player.inputEndingWith("vol:p100\n"), "vol:x0\nvol:x256\nvol:x100\nvol:p100\n");

  FakePlayer next;
  f.controller.onRowClick(1);
  ASSERT_TRUE(next.pid() > 0);
  EXPECT_EQ(next.arguments()[3], "100");  // "-sp", "-autoexit", "-vol", "100"
  EXPECT_EQ(f.view.volumePosition, 100);
}

TEST(PreviewSeekTest, PaintsAskForARedrawOnlyWhileAPlayerIsLoaded) {
  PreviewFixture f;
  f.controller.onPreviewPainted();
  f.controller.onRowClick(0);
  f.controller.onPreviewPainted();
  EXPECT_EQ(f.player.inputEndingWith("f\n"), "f\n");
}

TEST(PreviewEndTest, TheEndOfTheFileLeavesTheNoPlayerDisplay) {
  PreviewFixture f("ct:0119.50 sleep:50 exit");
  f.jobs[0].trim_begin = 30;
  f.view.focused = 0;
  f.controller.play();
  f.controller.onPlayClockTimer();
  ASSERT_TRUE(WatchUntil(f.controller, [&] { return !f.controller.loaded(); }));

  ExpectNoPlayerShown(f);
  EXPECT_EQ(f.view.invalidations, 1);
  EXPECT_EQ(f.controller.clock_seconds(), 0);
  EXPECT_EQ(f.jobs[0].trim_begin, 30);  // the row keeps its range
  f.controller.onPlayerWatchTimer();    // a late watch tick changes nothing
  EXPECT_EQ(f.view.invalidations, 1);
}

}  // namespace
}  // namespace orva::test
