#include "player/player_launch.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

#include "engine/number_text.h"

namespace orva {

namespace {

static_assert(std::is_standard_layout_v<PlayerLaunch> && offsetof(PlayerLaunch, splitter) == 0,
              "the shared output release expects the splitter first");

constexpr char kPositionPrefix[] = "ct:";
constexpr std::size_t kPositionLineLength = 10;

// A double quote inside a path would end its quoted argument early and let
// the rest pass as options of its own.
bool SafelyQuotable(const char* path) { return std::strchr(path, '"') == nullptr; }

}  // namespace

int PlayerBuildCommand(ToolRunner& runner) {
  const auto& launch = *static_cast<const PlayerLaunch*>(runner.context);
  runner.commandLine[0] = '\0';
  if (!SafelyQuotable(runner.programPath) || !SafelyQuotable(launch.source_path)) return -1;

  char pause[8] = "";
  if (launch.start_paused) std::snprintf(pause, sizeof pause, " -sp ");
  std::string start;
  if (launch.start_time != 0) start = " -ss " + FixedText(launch.start_time, 6) + " ";

  char built[kCommandCapacity];
  const int needed = std::snprintf(built, sizeof built,
                                   "\"%s\" %s%s-autoexit -vol %d -windowid %d -x %d -y %d \"%s\"",
                                   runner.programPath, pause, start.c_str(), launch.volume,
                                   launch.window_handle, launch.width, launch.height,
                                   launch.source_path);
  if (needed < 0 || needed >= kCommandCapacity) return -1;  // never play a cut path
  std::memcpy(runner.commandLine, built, static_cast<std::size_t>(needed) + 1);
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
