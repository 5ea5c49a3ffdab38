// Whether the window the player is told to draw into exists: the playback
// library crashes when handed a window id that names no window.
#pragma once

#include <cstdint>

namespace orva::player {

bool HostWindowExists(std::int64_t windowId);

// Whether an X display can be opened at all: without one (a Wayland session
// without XWayland) the player has nowhere to show a picture.
bool DisplayReachable();

}  // namespace orva::player
