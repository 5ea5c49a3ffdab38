// Measures how long the player takes from its launch to its first picture in
// a host window, and then into memory as the window runs it: the bench runs
// it under xvfb-run. For each run it prints the
// time until the window first shows more than one colour, the processor time
// the player had used by then (which a busy machine does not inflate), and
// the time until the player's first "ct:" line; then the medians.
#include <unistd.h>

#include <fstream>
#include <sstream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host_window.h"
#include "player/shared_frames.h"
#include "player_run.h"

namespace {

using Clock = std::chrono::steady_clock;
using orva::player::test::HostWindow;
using orva::player::test::PlayerRun;

struct Timing {
  double pictureMs = -1;
  double processorMs = -1;
  double positionMs = -1;
};

// User and system time of a running process, from /proc, in milliseconds.
double ProcessorMilliseconds(std::uint32_t processId) {
  std::ifstream file("/proc/" + std::to_string(processId) + "/stat");
  std::string text;
  std::getline(file, text);
  const auto afterName = text.rfind(')');
  if (afterName == std::string::npos) return -1;
  std::istringstream fields(text.substr(afterName + 2));
  std::string field;
  double ticks = 0;
  for (int index = 3; fields >> field && index <= 15; ++index) {
    if (index == 14 || index == 15) ticks += std::stod(field);  // utime, stime
  }
  return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Timing MeasureOnce(const std::string& clip, int width, int height) {
  HostWindow host(width, height);
  Timing timing;
  if (!host.shown()) return timing;
  const auto start = Clock::now();
  PlayerRun player("-sp -autoexit -vol 0 -windowid " + std::to_string(host.id()) + " -x " +
                   std::to_string(width) + " -y " + std::to_string(height) + " \"" + clip + "\"");
  player.waitFor(
      [&] {
        if (timing.positionMs < 0 && !player.positions().empty()) {
          timing.positionMs = MillisecondsSince(start);
        }
        if (timing.pictureMs < 0 && !host.capture().isFlat()) {
          timing.pictureMs = MillisecondsSince(start);
          timing.processorMs = ProcessorMilliseconds(player.processId());
        }
        return timing.pictureMs >= 0 && timing.positionMs >= 0;
      },
      10000);
  return timing;
}

// The same launch drawing into memory, as the window runs it: the time to the
// first announced picture, which the window paints at once.
Timing MeasureFramesOnce(const std::string& clip, int width, int height) {
  orva::SharedFrames memory;
  Timing timing;
  if (!memory.create()) return timing;
  orva::LaunchOptions handing;
  handing.sharedHandle = memory.descriptor();
  const auto start = Clock::now();
  PlayerRun player("-sp -autoexit -vol 0 -frames " + std::to_string(memory.descriptor()) + " -x " +
                       std::to_string(width) + " -y " + std::to_string(height) + " \"" + clip + "\"",
                   handing);
  player.waitFor(
      [&] {
        if (timing.positionMs < 0 && !player.positions().empty()) timing.positionMs = MillisecondsSince(start);
        if (timing.pictureMs < 0 && !player.frames().empty()) {
          timing.pictureMs = MillisecondsSince(start);
          timing.processorMs = ProcessorMilliseconds(player.processId());
        }
        return timing.pictureMs >= 0 && timing.positionMs >= 0;
      },
      10000);
  return timing;
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s CLIP RUNS [WIDTH HEIGHT]\n", argv[0]);
    return 2;
  }
  unsetenv("ORVA_PLAYER_HEADLESS");
  const std::string clip = argv[1];
  const int runs = std::atoi(argv[2]);
  const int width = argc > 4 ? std::atoi(argv[3]) : 480;
  const int height = argc > 4 ? std::atoi(argv[4]) : 360;
  for (const bool frames : {false, true}) {
    const char* way = frames ? "into memory" : "into a window";
    std::vector<double> pictures, processor, positions;
    for (int run = 1; run <= runs; ++run) {
      const Timing timing = frames ? MeasureFramesOnce(clip, width, height) : MeasureOnce(clip, width, height);
      std::printf("%s, run %d: picture %.0f ms (player processor time %.0f ms), first ct: line %.0f ms\n", way,
                  run, timing.pictureMs, timing.processorMs, timing.positionMs);
      if (timing.pictureMs < 0 || timing.positionMs < 0) return 1;
      pictures.push_back(timing.pictureMs);
      processor.push_back(timing.processorMs);
      positions.push_back(timing.positionMs);
    }
    std::printf("%s: median launch to first picture: %.0f ms\n", way, Median(pictures));
    std::printf("%s: median player processor time to first picture: %.0f ms\n", way, Median(processor));
    std::printf("%s: median launch to first ct: line: %.0f ms\n", way, Median(positions));
  }
  return 0;
}
