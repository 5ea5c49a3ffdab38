// The built player run without a display or sound device, as the window
// drives it.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <fstream>

#include "media_clip.h"
#include "player_run.h"
#include "scratch_folder.h"

namespace orva::player::test {
namespace {

constexpr int kStartLimit = 5000;  // ms a loaded machine may take to the first position
constexpr double kFrame = 0.04;    // the clips run at 25 frames per second

class PlayerProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("ORVA_PLAYER_HEADLESS", "1", 1); }
};

TEST_F(PlayerProgramTest, ReportsAdvancingPositionsInTenCharacterLines) {
  PlayerRun player("-autoexit -vol 0 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << player.otherOutput();
  EXPECT_LT(player.positions().front(), 0.5);
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > 1.0; }, 3000));
  EXPECT_TRUE(std::is_sorted(player.positions().begin(), player.positions().end()));
  for (const std::string& line : player.positionLines()) EXPECT_EQ(line.size(), 10u) << line;
}

TEST_F(PlayerProgramTest, StartsPausedAndObeysPlayAndPause) {
  PlayerRun player("-sp -autoexit -vol 256 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << player.otherOutput();
  PlatformSleep(600);
  EXPECT_FALSE(player.waitForNextPosition(0));
  EXPECT_LT(player.lastPosition(), kFrame + 0.001);

  player.send("vol:p256\n");
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > 0.5; }, 3000));

  player.send("vol:p0\n");
  PlatformSleep(300);  // let the pause take hold
  player.waitForNextPosition(0);
  const double held = player.lastPosition();
  PlatformSleep(1200);  // longer than the player's repeat of an unchanged position
  player.waitForNextPosition(0);
  EXPECT_DOUBLE_EQ(player.lastPosition(), held);
  EXPECT_LT(held, 3.0);
}

TEST_F(PlayerProgramTest, PlayWithTheSoundTurnedOffResumes) {
  // The window's Play at volume 0 writes "vol:p0", the same text as Pause.
  PlayerRun player("-sp -autoexit -vol 0 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << player.otherOutput();
  player.send("vol:p0\n");
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > 0.5; }, 3000));
  player.send("vol:p0\n");
  PlatformSleep(300);
  player.waitForNextPosition(0);
  const double held = player.lastPosition();
  PlatformSleep(500);
  player.waitForNextPosition(0);
  EXPECT_DOUBLE_EQ(player.lastPosition(), held);
}

TEST_F(PlayerProgramTest, StartsAtTheAskedTime) {
  PlayerRun player("-sp -ss 2.500000 -autoexit -vol 0 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << player.otherOutput();
  EXPECT_NEAR(player.positions().front(), 2.5, kFrame);
}

TEST_F(PlayerProgramTest, SeeksToTenThousandthsOfTheFile) {
  PlayerRun player("-sp -autoexit -vol 0 \"" + ClipOf(4) + "\"");
  player.send("to:5000\n");  // before the file is loaded: it must wait, not be lost
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > 1.0; }, kStartLimit))
      << player.otherOutput();
  EXPECT_NEAR(player.lastPosition(), 2.0, 1.5 * kFrame);

  player.send("to:2500\n");
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() < 1.5; }, 3000));
  EXPECT_NEAR(player.lastPosition(), 1.0, 1.5 * kFrame);

  player.send("to:9000\n");  // stays paused after the seek
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > 3.0; }, 3000));
  PlatformSleep(500);
  player.waitForNextPosition(0);
  EXPECT_NEAR(player.lastPosition(), 3.6, 1.5 * kFrame);
  EXPECT_EQ(player.exitCode(), -1);
}

TEST_F(PlayerProgramTest, EndsAtTheEndOfTheFileReportingTheDuration) {
  PlayerRun player("-ss 3.000000 -autoexit -vol 0 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForExit(kStartLimit + 3000)) << player.otherOutput();
  EXPECT_EQ(player.exitCode(), 0);
  ASSERT_FALSE(player.positions().empty());
  EXPECT_NEAR(player.lastPosition(), 4.0, 0.05);  // the end, not the last frame's start
  EXPECT_GE(player.lastPosition(), *std::max_element(player.positions().begin(),
                                                     player.positions().end()));
}

TEST_F(PlayerProgramTest, WithoutAutoexitWaitsAtTheEndForSeeks) {
  PlayerRun player("-ss 3.500000 -vol 0 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > 3.97; }, kStartLimit + 2000));
  EXPECT_FALSE(player.waitForExit(500));
  player.send("to:2500\n");
  EXPECT_TRUE(player.waitFor([&] { return player.lastPosition() < 1.5; }, 3000));
}

TEST_F(PlayerProgramTest, TakesVolumeCommandsAndIgnoresGarbage) {
  PlayerRun player("-autoexit -vol 100 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << player.otherOutput();
  player.send("vol:x0\nvol:x256\nno such command\nvol:x");
  player.send("128\nvol:x999\nto:\n\n");
  const double before = player.lastPosition();
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > before + 0.5; }, 3000));
  EXPECT_EQ(player.exitCode(), -1);
  EXPECT_EQ(player.otherOutput(), "");
}

TEST_F(PlayerProgramTest, TerminationEndsItAtOnceAndCleanly) {
  PlayerRun player("-sp -autoexit -vol 0 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << player.otherOutput();
  const auto asked = std::chrono::steady_clock::now();
  ASSERT_EQ(kill(static_cast<pid_t>(player.processId()), SIGTERM), 0);
  ASSERT_TRUE(player.waitForExit(2000));
  EXPECT_EQ(player.exitCode(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(1000));
  // It led a process group of its own: nothing it started is left in it.
  EXPECT_NE(kill(-static_cast<pid_t>(player.processId()), 0), 0);
}

TEST_F(PlayerProgramTest, EndsWhenTheWindowNoLongerReadsIt) {
  PlayerRun player("-sp -vol 0 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << player.otherOutput();
  player.closeOutput();
  EXPECT_TRUE(player.waitForExit(3000));  // its next repeat of the position fails
}

TEST_F(PlayerProgramTest, AFileThatCannotBePlayedEndsItWithAnError) {
  orva::test::ScratchFolder folder;
  std::ofstream(folder.file("notes.mkv")) << "not a video\n";
  for (const std::string& file : {folder.file("missing.mkv"), folder.file("notes.mkv")}) {
    PlayerRun player("-sp -autoexit -vol 0 \"" + file + "\"");
    ASSERT_TRUE(player.waitForExit(kStartLimit)) << file;
    EXPECT_EQ(player.exitCode(), 1) << file;
    EXPECT_TRUE(player.positions().empty()) << file;
  }
}

TEST_F(PlayerProgramTest, ABadCommandLineIsRefused) {
  PlayerRun player("-vol 300 \"" + ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForExit(2000));
  EXPECT_EQ(player.exitCode(), 2);
  EXPECT_NE(player.otherOutput().find("-vol"), std::string::npos);
}

TEST_F(PlayerProgramTest, PlaysAFileWithoutPicture) {
  orva::test::ScratchFolder folder;
  const std::string tone = folder.file("tone.m4a");
  ASSERT_TRUE(orva::test::RunFfmpeg("-f lavfi -i sine=frequency=440:duration=1 -c:a aac \"" +
                                    tone + "\""));
  PlayerRun player("-autoexit -vol 0 \"" + tone + "\"");
  ASSERT_TRUE(player.waitForExit(kStartLimit + 2000)) << player.otherOutput();
  EXPECT_EQ(player.exitCode(), 0);
  EXPECT_NEAR(player.lastPosition(), 1.0, 0.05);
}

}  // namespace
}  // namespace orva::player::test
