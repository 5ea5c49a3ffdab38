#include "tools/player/player_commands.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "tools/player/player_options.h"

namespace orva::player {

namespace {

// A line longer than this is no command; it is dropped without being kept,
// so a stream without line breaks cannot grow the buffer.
constexpr std::size_t kLongestLine = 64;
constexpr long kLargestSide = 16384;

bool ReadNumber(const std::string& text, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtol(text.c_str(), &end, 10);
  return errno == 0 && *end == '\0';
}

int Limit(long value, int high) { return static_cast<int>(std::clamp<long>(value, 0, high)); }

// "WxH" with both sides in 1..16384; anything else is no size.
bool ReadSize(const std::string& text, int& width, int& height) {
  const std::size_t cross = text.find('x');
  if (cross == std::string::npos) return false;
  long w = 0, h = 0;
  const std::string first = text.substr(0, cross), second = text.substr(cross + 1);
  auto digitFirst = [](const std::string& part) { return !part.empty() && part[0] >= '0' && part[0] <= '9'; };
  if (!digitFirst(first) || !digitFirst(second) || !ReadNumber(first, w) || !ReadNumber(second, h)) {
    return false;
  }
  if (w < 1 || h < 1 || w > kLargestSide || h > kLargestSide) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

bool StartsWith(const std::string& text, const char* prefix, std::string& rest) {
  const std::string head(prefix);
  if (text.compare(0, head.size(), head) != 0) return false;
  rest = text.substr(head.size());
  return true;
}

}  // namespace

bool ParseCommandLine(const std::string& line, PlayerCommand& command) {
  using Kind = PlayerCommand::Kind;
  std::string rest;
  long number = 0;
  if (line == "f") {
    command = {Kind::Redraw, 0};
  } else if (StartsWith(line, "vol:p", rest) && ReadNumber(rest, number)) {
    command = number <= 0 ? PlayerCommand{Kind::Pause, 0}
                          : PlayerCommand{Kind::Resume, Limit(number, kMaxVolume)};
  } else if (StartsWith(line, "vol:x", rest) && ReadNumber(rest, number)) {
    command = {Kind::SetVolume, Limit(number, kMaxVolume)};
  } else if (StartsWith(line, "to:", rest) && ReadNumber(rest, number)) {
    command = {Kind::Seek, Limit(number, kSeekScale)};
  } else if (int width = 0, height = 0; StartsWith(line, "sz:", rest) && ReadSize(rest, width, height)) {
    command = {Kind::Resize, 0, width, height};
  } else {
    return false;
  }
  return true;
}

std::vector<PlayerCommand> CommandReader::feed(const char* chunk, std::size_t size) {
  std::vector<PlayerCommand> commands;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = chunk[i];
    if (c != '\n' && c != '\r') {
      if (pending_.size() <= kLongestLine) pending_.push_back(c);
      continue;
    }
    PlayerCommand command;
    if (pending_.size() <= kLongestLine && ParseCommandLine(pending_, command)) {
      commands.push_back(command);
    }
    pending_.clear();
  }
  return commands;
}

}  // namespace orva::player
