// Setting a job's begin and end from the preview's position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview_test_support.h"

namespace orva::test {
namespace {

const Texts kBeginAsked{"Set Current Time to Begin Time?", "Set Begin Time"};
const Texts kEndAsked{"Set Current Time to End Time?", "Set End Time"};
const Texts kEndRefused{"Begin time is large,change it before to continue", "Set End Time"};

// Loads job 0 paused and waits until the player's report has arrived.
void LoadAt(PreviewFixture& f, double reported) {
  f.controller.onRowClick(0);
  ASSERT_TRUE(WatchUntil(f.controller, [&] { return f.controller.currentTime() == reported; }));
}

TEST(PreviewTrimTest, ABeginAtPositionZeroLeavesTheRangeAlone) {
  PreviewFixture f("ct:0000.00");
  f.jobs[0].trim_end = 90;
  f.controller.onRowClick(0);
  f.controller.setBeginFromPosition();

  EXPECT_EQ(f.view.questions, std::vector<Texts>{kBeginAsked});
  EXPECT_EQ(f.jobs[0].trim_begin, 0);
  EXPECT_EQ(f.jobs[0].trim_end, 90);
}

TEST(PreviewTrimTest, ABeginPastTheEndMovesTheEndAMinuteOn) {
  PreviewFixture f("ct:0100.00");
  f.jobs[0].trim_end = 90;
  LoadAt(f, 100);
  f.controller.setBeginFromPosition();

  EXPECT_EQ(f.jobs[0].trim_begin, 100);
  EXPECT_EQ(f.jobs[0].trim_end, 160);
  EXPECT_EQ(f.view.refreshedRows, std::vector<int>{0});
  EXPECT_EQ(f.view.beginLabel, "00:01:40.00");
  EXPECT_EQ(f.view.endLabel, "00:02:40.00");
  EXPECT_FALSE(f.controller.playing());
  EXPECT_EQ(f.player.input(), "");  // it was paused: nothing to pause
}

TEST(PreviewTrimTest, APlayingPlayerIsPausedBeforeTheQuestion) {
  PreviewFixture f("wait ct:0030.00");
  f.view.focused = 0;
  f.controller.play();
  std::string inputWhileAsked;
  // The window's watch timer keeps running while the question is open.
  f.view.duringQuestion = [&] {
    inputWhileAsked = f.player.inputEndingWith("vol:p0\n");
    WatchUntil(f.controller, [&] { return f.controller.currentTime() == 30; });
  };
  f.controller.setBeginFromPosition();

  EXPECT_EQ(inputWhileAsked, "vol:p0\n");
  EXPECT_FALSE(f.controller.playing());
  EXPECT_EQ(f.jobs[0].trim_begin, 30);  // the position reported after the pause
  EXPECT_EQ(f.view.beginLabel, "00:00:30.00");
}

TEST(PreviewTrimTest, AnsweringNoResumesPlaybackEvenFromPaused) {
  PreviewFixture f("ct:0050.00");
  f.view.answer = false;
  f.controller.onRowClick(0);
  f.controller.setBeginFromPosition();
  EXPECT_TRUE(f.controller.playing());
  EXPECT_TRUE(f.view.pauseShown);
  EXPECT_EQ(f.player.inputEndingWith("vol:p256\n"), "vol:p256\n");
  EXPECT_EQ(f.jobs[0].trim_begin, 0);
  EXPECT_TRUE(f.view.refreshedRows.empty());

  // Asked again while playing: paused for the question, resumed after No.
  LoadAt(f, 50);
  f.controller.setEndFromPosition();
  EXPECT_EQ(f.view.questions, (std::vector<Texts>{kBeginAsked, kEndAsked}));
  EXPECT_TRUE(f.controller.playing());
  EXPECT_EQ(f.player.inputEndingWith("vol:p0\nvol:p256\n"), "vol:p256\nvol:p0\nvol:p256\n");
  EXPECT_EQ(f.jobs[0].trim_end, 120);
}

TEST(PreviewTrimTest, AnEndAfterTheBeginIsTaken) {
  PreviewFixture f("ct:0075.00");
  f.jobs[0].trim_begin = 30;
  LoadAt(f, 75);
  f.controller.setEndFromPosition();

  EXPECT_EQ(f.view.questions, std::vector<Texts>{kEndAsked});
  EXPECT_EQ(f.jobs[0].trim_begin, 30);
  EXPECT_EQ(f.jobs[0].trim_end, 75);
  EXPECT_EQ(f.view.endLabel, "00:01:15.00");
  EXPECT_EQ(f.view.refreshedRows, std::vector<int>{0});
}

TEST(PreviewTrimTest, AnEndAtTheBeginIsRefusedWithoutPausing) {
  PreviewFixture f;
  f.jobs[0].trim_begin = 30;  // the player starts there and reports nothing
  f.view.focused = 0;
  f.controller.play();
  f.controller.setEndFromPosition();

  EXPECT_EQ(f.view.messages, std::vector<Texts>{kEndRefused});
  EXPECT_TRUE(f.view.questions.empty());
  EXPECT_TRUE(f.controller.playing());
  EXPECT_EQ(f.jobs[0].trim_begin, 30);
  EXPECT_EQ(f.jobs[0].trim_end, 120);
  f.controller.StopPreview();
  EXPECT_EQ(f.player.input(), "");
}

TEST(PreviewTrimTest, WithoutALoadedPlayerTheLabelsDoNothing) {
  PreviewFixture f("ct:0040.00");
  f.view.convertingSet = true;
  f.controller.onRowClick(0);  // chosen, not loaded
  f.controller.setBeginFromPosition();
  f.controller.setEndFromPosition();
  f.controller.SeekPreviewTo(10);
  EXPECT_TRUE(f.view.questions.empty());
  EXPECT_TRUE(f.view.messages.empty());
  EXPECT_EQ(f.controller.setTrimRange(40, kKeepBound), kTrimApplied);  // the rule itself needs only a job
  EXPECT_EQ(f.jobs[0].trim_begin, 40);
}

TEST(PreviewTrimTest, TheRangeIsNotSetWhilePlaying) {
  PreviewFixture f;
  f.view.focused = 0;
  f.controller.play();
  EXPECT_EQ(f.controller.setTrimRange(40, 50), kTrimWhilePlaying);
  EXPECT_EQ(f.jobs[0].trim_begin, 0);
  EXPECT_TRUE(f.view.refreshedRows.empty());
}

}  // namespace
}  // namespace orva::test
