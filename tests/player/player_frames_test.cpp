// The built player handing its pictures over in shared memory, as the
// window reads them: no display and no sound device needed.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "media_clip.h"
#include "player/shared_frames.h"
#include "player_run.h"
#include "scratch_folder.h"

namespace orva::player::test {
namespace {

constexpr int kStartLimit = 5000;  // ms a loaded machine may take to the first picture
constexpr std::uint32_t kClipColour = 0xE02080;

struct Pixel {
  int red, green, blue;
};

// The window paints the pixels as they are: the fourth byte must say opaque,
// or the desktop shows through the picture.
Pixel At(SharedFrames& memory, const FrameAnnouncement& frame, int x, int y) {
  const std::uint8_t* picture = memory.picture(frame);
  if (picture == nullptr) return {-1, -1, -1};
  const std::uint8_t* p = picture + static_cast<std::ptrdiff_t>(y) * frame.stride + x * kFrameBytesPerPixel;
  if (p[3] != 0xFF) return {-2, -2, -2};
  return {p[2], p[1], p[0]};  // blue first in memory
}

bool Near(Pixel pixel, std::uint32_t colour, int tolerance) {
  return std::abs(pixel.red - static_cast<int>(colour >> 16 & 0xFF)) <= tolerance &&
         std::abs(pixel.green - static_cast<int>(colour >> 8 & 0xFF)) <= tolerance &&
         std::abs(pixel.blue - static_cast<int>(colour & 0xFF)) <= tolerance;
}

class PlayerFramesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ORVA_PLAYER_HEADLESS", "1", 1);
    ASSERT_TRUE(memory_.create());
    // One colour all over, 4:3, so that every picture pixel is known.
    clip_ = folder_.file("colour.mkv");
    ASSERT_TRUE(orva::test::RunFfmpeg("-f lavfi -i color=c=0xE02080:size=320x240:rate=25:duration=4 "
                                      "-c:v mpeg4 -q:v 2 " + orva::test::ShellQuoted(clip_)));
  }

  std::string arguments(const std::string& options) const {
    return options + " -frames " + std::to_string(memory_.descriptor()) + " \"" + clip_ + "\"";
  }

  LaunchOptions handing() const {
    LaunchOptions options;
    options.sharedHandle = memory_.descriptor();
    return options;
  }

  orva::test::ScratchFolder folder_;
  SharedFrames memory_;
  std::string clip_;
};

TEST_F(PlayerFramesTest, ThePausedFirstPictureArrivesAtTheAskedSizeAndTheResizeRedrawsItWithBars) {
  PlayerRun player(arguments("-sp -autoexit -vol 0 -x 200 -y 150"), handing());
  ASSERT_TRUE(player.waitFor([&] { return !player.frames().empty(); }, kStartLimit)) << player.otherOutput();
  ASSERT_TRUE(player.waitForPositions(1, kStartLimit)) << "pictures must not crowd out the positions";
  const FrameAnnouncement first = player.frames().back();
  EXPECT_EQ(first.width, 200);
  EXPECT_EQ(first.height, 150);
  EXPECT_GE(first.stride, 200 * kFrameBytesPerPixel);
  EXPECT_TRUE(Near(At(memory_, first, 100, 75), kClipColour, 24));
  EXPECT_TRUE(Near(At(memory_, first, 1, 1), kClipColour, 24)) << "the picture fills a 4:3 area";

  // Wider than the picture: black bars left and right, the picture between.
  const std::size_t before = player.frames().size();
  player.send("sz:400x150\n");
  ASSERT_TRUE(player.waitFor([&] { return player.frames().size() > before; }, 3000));
  const FrameAnnouncement wide = player.frames().back();
  EXPECT_EQ(wide.width, 400);
  EXPECT_EQ(wide.height, 150);
  const Pixel bar = At(memory_, wide, 10, 75);
  EXPECT_GE(bar.red, 0) << "the bars are part of the opaque picture";
  EXPECT_LT(bar.red + bar.green + bar.blue, 30);
  EXPECT_TRUE(Near(At(memory_, wide, 200, 75), kClipColour, 24));
  EXPECT_EQ(player.exitCode(), -1) << "still running, paused";
}

// The window asks for a redraw after every paint; in memory the picture is
// the window's to paint again, so no new picture (and no endless round of
// paints) may follow.
TEST_F(PlayerFramesTest, ARedrawRequestWhilePausedDrawsNoNewPicture) {
  PlayerRun player(arguments("-sp -autoexit -vol 0 -x 160 -y 120"), handing());
  ASSERT_TRUE(player.waitFor([&] { return !player.frames().empty(); }, kStartLimit)) << player.otherOutput();
  PlatformSleep(300);
  player.waitFor([] { return false; }, 0);
  const std::size_t settled = player.frames().size();
  for (int i = 0; i < 5; ++i) player.send("f\n");
  PlatformSleep(500);
  player.waitFor([] { return false; }, 0);
  EXPECT_EQ(player.frames().size(), settled);
}

TEST_F(PlayerFramesTest, PlayingCyclesThroughTheRingWhileThePositionsGoOn) {
  PlayerRun player(arguments("-autoexit -vol 0 -x 160 -y 120"), handing());
  ASSERT_TRUE(player.waitForExit(10000)) << player.otherOutput();
  EXPECT_EQ(player.exitCode(), 0) << player.otherOutput();
  // 4 s at 25 pictures a second; a loaded machine may drop some.
  EXPECT_GT(player.frames().size(), 40u);
  std::set<std::int64_t> slots;
  for (const FrameAnnouncement& frame : player.frames()) slots.insert(frame.offset);
  EXPECT_EQ(slots.size(), 3u) << "the next picture never overwrites the one just announced";
  EXPECT_GT(player.positions().size(), 20u);
  EXPECT_NEAR(player.lastPosition(), 4.0, 0.1);
}

TEST_F(PlayerFramesTest, AMemoryThatIsNoMemoryEndsThePlayerWithAReason) {
  // Descriptor 99 is nothing the player inherited.
  PlayerRun player("-sp -vol 0 -x 160 -y 120 -frames 99 \"" + clip_ + "\"");
  ASSERT_TRUE(player.waitForExit(kStartLimit + 3000));
  EXPECT_NE(player.exitCode(), 0);
  EXPECT_NE(player.otherOutput().find("picture memory"), std::string::npos) << player.otherOutput();
}

}  // namespace
}  // namespace orva::player::test
