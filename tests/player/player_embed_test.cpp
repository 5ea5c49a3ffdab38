// The player drawing into a window it was given, on an X server (the tests
// run under xvfb-run).
#include <gtest/gtest.h>
#include <stdlib.h>

#include "host_window.h"
#include "player_run.h"

namespace orva::player::test {
namespace {

constexpr int kWidth = 320, kHeight = 240;
constexpr std::uint32_t kBlack = 0x000000;
constexpr int kPictureLimit = 5000;  // ms a loaded machine may take to the first picture

class PlayerEmbedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("ORVA_PLAYER_HEADLESS");
    ASSERT_TRUE(host_.shown()) << "no X display";
  }

  std::string argumentsFor(const std::string& options) const {
    return options + " -autoexit -vol 0 -windowid " + std::to_string(host_.id()) + " -x " +
           std::to_string(kWidth) + " -y " + std::to_string(kHeight) + " \"" + ClipOf(4) + "\"";
  }

  // Waits until the window shows more than one colour.
  bool waitForPicture(PlayerRun& player, Screenshot& shot) {
    return player.waitFor([&] { return !(shot = host_.capture()).isFlat(); }, kPictureLimit);
  }

  // Waits until the window shows the same picture twice, 200 ms apart: the
  // first frame may be drawn once more after the player's window settles.
  bool waitForSteadyPicture(PlayerRun& player, Screenshot& shot) {
    Screenshot before;
    return player.waitFor(
        [&] {
          shot = host_.capture();
          const bool steady = !shot.isFlat() && shot == before;
          before = shot;
          if (!steady) PlatformSleep(200);
          return steady;
        },
        kPictureLimit);
  }

  HostWindow host_{kWidth, kHeight};
};

TEST_F(PlayerEmbedTest, ShowsThePausedFirstFrameInsideTheWindow) {
  ASSERT_TRUE(host_.capture().isFlat());
  PlayerRun player(argumentsFor("-sp"));
  Screenshot first;
  ASSERT_TRUE(waitForSteadyPicture(player, first)) << player.otherOutput();
  ASSERT_TRUE(player.waitForPositions(1, kPictureLimit));
  first.savePpm(std::string(ORVA_PLAYER_TEST_DIR) + "/embedded-first-frame.ppm");
  // The test picture has colour right down to its last rows and in its top
  // and bottom bands: a picture drawn smaller or shifted leaves black there.
  EXPECT_GT(first.rows(0, 10).shareUnlike(kBlack), 0.5);
  EXPECT_GT(first.rows(kHeight - 10, 10).shareUnlike(kBlack), 0.5);
  PlatformSleep(500);
  const Screenshot later = host_.capture();
  EXPECT_TRUE(later == first) << "the picture moved while paused";
  EXPECT_LT(player.lastPosition(), 0.05);
}

TEST_F(PlayerEmbedTest, PlaysInsideTheWindow) {
  PlayerRun player(argumentsFor(""));
  Screenshot first;
  ASSERT_TRUE(waitForPicture(player, first)) << player.otherOutput();
  ASSERT_TRUE(player.waitFor([&] { return player.lastPosition() > 1.0; }, 3000));
  EXPECT_FALSE(host_.capture() == first) << "the picture stood still while playing";
}

TEST_F(PlayerEmbedTest, RedrawsALostPictureWhenAsked) {
  PlayerRun player(argumentsFor("-sp"));
  Screenshot shown;
  ASSERT_TRUE(waitForSteadyPicture(player, shown)) << player.otherOutput();
  ASSERT_TRUE(player.waitForPositions(1, kPictureLimit));
  ASSERT_TRUE(host_.blackOutInnerWindows());
  ASSERT_TRUE(host_.capture().isFlat());
  player.send("f\n");
  Screenshot redrawn;
  ASSERT_TRUE(player.waitFor([&] { return (redrawn = host_.capture()) == shown; }, 2000));
}

TEST_F(PlayerEmbedTest, AWindowIdThatNamesNoWindowIsRefused) {
  const unsigned long missing = host_.id();
  host_.close();
  PlayerRun player("-sp -autoexit -vol 0 -windowid " + std::to_string(missing) + " \"" +
                   ClipOf(4) + "\"");
  ASSERT_TRUE(player.waitForExit(kPictureLimit));
  EXPECT_EQ(player.exitCode(), 2) << player.otherOutput();
}

TEST_F(PlayerEmbedTest, EndsWhenItsWindowGoesAway) {
  PlayerRun player(argumentsFor(""));
  Screenshot shown;
  ASSERT_TRUE(waitForPicture(player, shown)) << player.otherOutput();
  host_.close();
  ASSERT_TRUE(player.waitForExit(3000));
  EXPECT_LT(player.exitCode(), 128) << "it crashed";
}

}  // namespace
}  // namespace orva::player::test
