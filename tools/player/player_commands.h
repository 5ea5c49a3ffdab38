// The short text commands the window writes to the player's standard input.
#pragma once

#include <string>
#include <vector>

namespace orva::player {

struct PlayerCommand {
  enum class Kind {
    Pause,      // "vol:p0" (when already paused: play on at volume 0)
    Resume,     // "vol:pN", N > 0: play on at volume N
    SetVolume,  // "vol:xN"
    Seek,       // "to:N": N ten-thousandths of the file
    Redraw,     // "f"
    Resize,     // "sz:WxH": pictures of W x H pixels from now on
  };
  Kind kind = Kind::Redraw;
  int value = 0;  // volume 0..256 or seek target 0..10000, limited to its range
  int width = 0, height = 0;  // Resize: 1..16384 each
};

inline constexpr int kSeekScale = 10000;

// The command on one line (without its line break); false for anything else.
bool ParseCommandLine(const std::string& line, PlayerCommand& command);

// Splits what arrives on standard input into lines; a command may arrive in
// pieces, and several may arrive at once.
class CommandReader {
 public:
  // The commands completed by `chunk`, in order; unknown lines are dropped.
  std::vector<PlayerCommand> feed(const char* chunk, std::size_t size);

 private:
  std::string pending_;
};

}  // namespace orva::player
