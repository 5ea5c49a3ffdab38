// The player's command line and its "ct:" position reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "engine/command_line.h"
#include "player/frame_line.h"
#include "player/player_launch.h"
#include "player/shared_frames.h"

namespace orva {
namespace {

class PlayerLaunchTest : public ::testing::Test {
 protected:
  PlayerLaunchTest() {
    std::snprintf(runner.programPath, sizeof runner.programPath, "/opt/orva/py.dat");
    runner.context = &launch;
    runner.descriptor = &kPlayerDescriptor;
    launch.volume = 256;
    launch.window_handle = 77;
    launch.width = 640;
    launch.height = 360;
    std::snprintf(launch.source_path, sizeof launch.source_path, "/media/a b.avi");
  }
  ~PlayerLaunchTest() override { kPlayerDescriptor.onFinish(runner); }

  std::string command() {
    EXPECT_EQ(kPlayerDescriptor.buildCommand(runner), 0);
    return runner.commandLine;
  }

  void feed(const char* chunk) {
    std::snprintf(runner.readBuffer, sizeof runner.readBuffer, "%s", chunk);
    kPlayerDescriptor.onOutput(runner);
  }

  ToolRunner runner;
  PlayerLaunch launch;
};

TEST_F(PlayerLaunchTest, PauseAndStartFragmentsStandBeforeTheFixedOptions) {
  EXPECT_EQ(command(), "\"/opt/orva/py.dat\" -autoexit -vol 256 -windowid 77 -x 640 -y 360 \"/media/a b.avi\"");
  launch.start_paused = true;
  EXPECT_EQ(command(), "\"/opt/orva/py.dat\"  -sp -autoexit -vol 256 -windowid 77 -x 640 -y 360 \"/media/a b.avi\"");
  launch.start_time = 12.5;
  launch.volume = 0;
  EXPECT_EQ(command(),
            "\"/opt/orva/py.dat\"  -sp  -ss 12.500000 -autoexit -vol 0 -windowid 77 -x 640 -y 360 \"/media/a b.avi\"");
  launch.start_paused = false;
  EXPECT_EQ(command(), "\"/opt/orva/py.dat\"  -ss 12.500000 -autoexit -vol 0 -windowid 77 -x 640 -y 360 \"/media/a b.avi\"");
}

// Quotes in a name cannot pass the rest of it off as options of the player.
TEST_F(PlayerLaunchTest, ASourcePathWithQuotesAndBackslashesReachesThePlayerWhole) {
  const std::string path = R"(/media/a" -vf x \"b\" c\.avi)";
  std::snprintf(launch.source_path, sizeof launch.source_path, "%s", path.c_str());
  const std::vector<std::string> arguments = SplitCommandLine(command().c_str());
  ASSERT_EQ(arguments.size(), 11u) << runner.commandLine;
  EXPECT_EQ(arguments[1], "-autoexit");
  EXPECT_EQ(arguments.back(), path);
}

TEST_F(PlayerLaunchTest, RefusesALineTooLongToRunWhole) {
  std::snprintf(runner.programPath, sizeof runner.programPath, "/%s", std::string(258, '"').c_str());
  std::snprintf(launch.source_path, sizeof launch.source_path, "/%s", std::string(258, '"').c_str());
  EXPECT_EQ(kPlayerDescriptor.buildCommand(runner), -1);
  EXPECT_STREQ(runner.commandLine, "");
}

TEST_F(PlayerLaunchTest, TakesThePositionOnlyFromATenCharacterReport) {
  feed("ct:0012.50\n");
  EXPECT_DOUBLE_EQ(launch.current_time, 12.5);
  feed("ct:12.5\n");       // too short
  feed("ct:0012.500\r\n"); // too long
  feed("xx:0099.00\n");    // not a position
  EXPECT_DOUBLE_EQ(launch.current_time, 12.5);
  feed("ct:00");  // a report in two pieces counts once it is complete
  EXPECT_DOUBLE_EQ(launch.current_time, 12.5);
  feed("42.00\r");
  EXPECT_DOUBLE_EQ(launch.current_time, 42.0);
  feed("ct:abcdefg\n");  // what atof makes of it
  EXPECT_DOUBLE_EQ(launch.current_time, 0.0);
}

TEST_F(PlayerLaunchTest, ReadsOnlyTheNewestLineOfAChunk) {
  feed("ct:0001.00\nct:0002.00\nvo: using x11egl\n");
  EXPECT_DOUBLE_EQ(launch.current_time, 0.0);
  feed("audio: pipewire\nct:0003.00\n");
  EXPECT_DOUBLE_EQ(launch.current_time, 3.0);
}

TEST_F(PlayerLaunchTest, WithPictureMemoryItIsNamedInsteadOfAWindow) {
  launch.frames_handle = 9;
  launch.width = 568;
  launch.height = 436;
  launch.start_paused = true;
  EXPECT_EQ(command(), "\"/opt/orva/py.dat\"  -sp -autoexit -vol 256 -frames 9 -x 568 -y 436 \"/media/a b.avi\"");
}

// Pictures are announced with every frame, often in the same chunk as a
// position: they must neither hide it nor count as a line that is no position.
TEST_F(PlayerLaunchTest, PictureAnnouncementsAreTakenAsideAndNeverHideAPosition) {
  feed("ct:0003.00\nfr:200 150 832 0\n");
  EXPECT_DOUBLE_EQ(launch.current_time, 3.0);
  ASSERT_TRUE(launch.frame_waiting);
  EXPECT_EQ(launch.newest_frame.width, 200);
  EXPECT_EQ(launch.newest_frame.stride, 832);
  launch.frame_waiting = false;
  feed("fr:200 150 832 126976\nct:0004.00\nfr:200 150 832 253952\n");
  EXPECT_DOUBLE_EQ(launch.current_time, 4.0);
  EXPECT_EQ(launch.newest_frame.offset, 253952) << "the newest picture wins";
  launch.frame_waiting = false;
  feed("fr:200 150 832 0\n");  // no position in the chunk: the last one stays
  EXPECT_DOUBLE_EQ(launch.current_time, 4.0);
  EXPECT_TRUE(launch.frame_waiting);
  feed("ct:0005.00\nvo: using x11egl\nfr:200 150 832 0\n");  // the newest other line is no position
  EXPECT_DOUBLE_EQ(launch.current_time, 4.0);
}

TEST(FrameLineTest, ReadsBackWhatItWritesAndRefusesImpossibleLayouts) {
  const FrameAnnouncement frame{4096 * 300, 568, 436, 2304};
  const std::string line = FormatFrameLine(frame);
  FrameAnnouncement read;
  ASSERT_TRUE(ParseFrameLine(line.data(), line.size(), read)) << line;
  EXPECT_EQ(read.offset, frame.offset);
  EXPECT_EQ(read.width, 568);
  EXPECT_EQ(read.height, 436);
  EXPECT_EQ(read.stride, 2304);
  EXPECT_EQ(read.endOffset(), frame.offset + 2304 * 436);

  const char* bad[] = {
      "fr:0 10 64 0",        "fr:10 0 64 0",          "fr:16385 1 65540 0", "fr:10 10 39 0",
      "fr:10 10 64 -1",      "fr:10 10 64",           "fr:10 10 64 0 0",    "fr: 10 10 64 0",
      "fr:10  10 64 0",      "fr:10 10 64 0x",        "fr:+10 10 64 0",     "ct:0001.00",
      "fr:10 10 64 99999999999999999999999", "fr:10 10 9999999999 0", "FR:10 10 64 0", "fr:",
  };
  for (const char* text : bad) {
    EXPECT_FALSE(ParseFrameLine(text, std::strlen(text), read)) << text;
  }
  // The length given counts, not a terminator: a line cut short is read short.
  EXPECT_FALSE(ParseFrameLine("fr:10 10 64 0", 9, read));
}

// A player announcing a picture past the end of the memory (its own fault or
// a stale line) must never make the window read outside the mapping.
TEST(SharedFramesTest, APictureBeyondTheMemoryIsRefusedAndGrowthIsFollowed) {
  SharedFrames memory;
  ASSERT_TRUE(memory.create());
  ASSERT_GT(memory.descriptor(), 2);
  EXPECT_EQ(fcntl(memory.descriptor(), F_GETFD) & FD_CLOEXEC, FD_CLOEXEC) << "only the player inherits it";
  const FrameAnnouncement small{0, 16, 16, 64};
  EXPECT_EQ(memory.picture(small), nullptr) << "nothing written yet";

  ASSERT_EQ(ftruncate(memory.descriptor(), 4096), 0);
  const std::uint8_t* first = memory.picture(small);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(memory.picture({4096 - 64 * 16 + 1, 16, 16, 64}), nullptr);

  ASSERT_EQ(ftruncate(memory.descriptor(), 3 * 4096), 0);
  const std::uint8_t byte = 0x5A;
  ASSERT_EQ(pwrite(memory.descriptor(), &byte, 1, 2 * 4096), 1);
  const std::uint8_t* far = memory.picture({2 * 4096, 16, 16, 64});
  ASSERT_NE(far, nullptr);
  EXPECT_EQ(*far, 0x5A);
}

}  // namespace
}  // namespace orva
