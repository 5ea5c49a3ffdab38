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

  char options[96];
  std::snprintf(options, sizeof options, "-autoexit -vol %d -windowid %d -x %d -y %d ", launch.volume,
                launch.window_handle, launch.width, launch.height);
  const std::string built =
      QuoteArgument(runner.programPath) + " " + pause + start + options + QuoteArgument(launch.source_path);
  if (built.size() >= static_cast<std::size_t>(kCommandCapacity)) return -1;  // never play a cut path
  std::memcpy(runner.commandLine, built.c_str(), built.size() + 1);
  return 0;
}

void PlayerOnOutput(ToolRunner& runner) {
  auto& launch = *static_cast<PlayerLaunch*>(runner.context);
  LineSplitterAppend(launch.splitter, runner.readBuffer);
  const char* line = launch.splitter.lastLine;
  if (line == nullptr || std::strlen(line) != kPositionLineLength) return;
  if (std::strncmp(line, kPositionPrefix, std::strlen(kPositionPrefix)) != 0) return;
  launch.current_time = ReadDecimal(line + std::strlen(kPositionPrefix));
}

const ToolDescriptor kPlayerDescriptor = {PlayerBuildCommand, PlayerOnOutput, ReleaseOutputLines};

}  // namespace orva
