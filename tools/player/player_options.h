// What the window asks of the player program on its command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orva::player {

inline constexpr int kMaxVolume = 256;

struct PlayerOptions {
  bool startPaused = false;     // -sp
  double startSeconds = 0;      // -ss
  bool exitAtEnd = false;       // -autoexit
  int volume = kMaxVolume;      // -vol, 0..256
  std::int64_t windowId = 0;    // -windowid; 0: a window of its own
  int framesFd = -1;            // -frames: pictures into this memory instead
  int width = 0, height = 0;    // -x, -y; 0: the picture's own size
  std::string file;             // the one argument that is not an option
};

inline constexpr int kOptionsOk = 0;
inline constexpr int kOptionsError = 2;  // also the program's exit code for it

// Reads the arguments that follow the program name. Returns kOptionsOk, or
// kOptionsError with a one-line reason in `error`.
int ParsePlayerOptions(const std::vector<std::string>& arguments, PlayerOptions& options,
                       std::string& error);

}  // namespace orva::player
