// The player program's life: play the file, obey standard input, report the
// position, end on a stop signal, at the end of the file with -autoexit, or
// when the window no longer reads it.
#pragma once

#include "tools/player/mpv_player.h"
#include "tools/player/player_options.h"

namespace orva::player {

// Returns the program's exit code: 0 when it ended as asked, 1 when the file
// cannot be played, 3 when the playback library cannot be set up.
int RunPlayer(const PlayerOptions& options, OutputMode mode);

}  // namespace orva::player
