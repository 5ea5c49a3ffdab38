#include "player/player_launch.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

#include "engine/command_line.h"
#include "engine/number_text.h"

namespace orva {

namespace {

static_assert(std::is_standard_layout_v<PlayerLaunch> && offsetof(PlayerLaunch, splitter) == 0,
              "the shared output release expects the splitter first");

constexpr char kPositionPrefix[] = "ct:";
constexpr std::size_t kPositionLineLength = 10;

}  // namespace

int PlayerBuildCommand(ToolRunner& runner) {
  const auto& launch = *static_cast<const PlayerLaunch*>(runner.context);
  runner.commandLine[0] = '\0';

  const std::string pause = launch.start_paused ? " -sp " : "";
  std::string start;
  if (launch.start_time != 0) start = " -ss " + FixedText(launch.start_time, 6) + " ";

  const bool frames = launch.frames_handle >= 0;
  char options[96];
  std::snprintf(options, sizeof options, "-autoexit -vol %d %s %d -x %d -y %d ", launch.volume,
                frames ? "-frames" : "-windowid", frames ? launch.frames_handle : launch.window_handle,
                launch.width, launch.height);
  const std::string built =
      QuoteArgument(runner.programPath) + " " + pause + start + options + QuoteArgument(launch.source_path);
  if (built.size() >= static_cast<std::size_t>(kCommandCapacity)) return -1;  // never play a cut path
  std::memcpy(runner.commandLine, built.c_str(), built.size() + 1);
  return 0;
}

namespace {

// What one chunk's lines say: the newest picture and the newest line that
// is no picture announcement.
struct ChunkLines {
  PlayerLaunch* launch;
  std::string newestOther;
  bool anyOther = false;
};

void SortLine(const char* line, std::size_t length, void* context) {
  auto& lines = *static_cast<ChunkLines*>(context);
  FrameAnnouncement frame;
  if (ParseFrameLine(line, length, frame)) {
    lines.launch->newest_frame = frame;
    lines.launch->frame_waiting = true;
    return;
  }
  lines.newestOther.assign(line, length);
  lines.anyOther = true;
}

}  // namespace

void PlayerOnOutput(ToolRunner& runner) {
  auto& launch = *static_cast<PlayerLaunch*>(runner.context);
  ChunkLines lines{&launch, {}, false};
  LineSplitterAppend(launch.splitter, runner.readBuffer, SortLine, &lines);
  const std::string& line = lines.newestOther;
  if (!lines.anyOther || line.size() != kPositionLineLength) return;
  if (line.compare(0, std::strlen(kPositionPrefix), kPositionPrefix) != 0) return;
  launch.current_time = ReadDecimal(line.c_str() + std::strlen(kPositionPrefix));
}

const ToolDescriptor kPlayerDescriptor = {PlayerBuildCommand, PlayerOnOutput, ReleaseOutputLines};

}  // namespace orva
