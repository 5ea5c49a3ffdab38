// The player's command line and its "ct:" position reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/command_line.h"
#include "player/player_launch.h"

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

}  // namespace
}  // namespace orva
