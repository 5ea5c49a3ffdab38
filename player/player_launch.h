// The preview player program: what one launch of it needs and how its
// command line and its "ct:" position reports are made and read.
#pragma once

#include <cstdint>

#include "engine/line_splitter.h"
#include "player/frame_line.h"
#include "engine/tool_runner.h"

namespace orva {

inline constexpr int kPlayerPathCapacity = 260;

struct PlayerLaunch {
  LineSplitter splitter;  // kept first, as the shared output release expects
  double current_time = 0;  // last position the player reported, in seconds
  std::int32_t volume = 0;  // 0..256, passed with -vol
  double start_time = 0;    // where playing starts: the job's trim begin
  bool start_paused = false;
  // The preview area's native window; an X11 window id fits in 29 bits.
  std::int32_t window_handle = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  char source_path[kPlayerPathCapacity] = {};
  // The picture memory the player draws into, by descriptor number; -1: it
  // draws into window_handle instead. width and height are then device pixels.
  std::int32_t frames_handle = -1;
  FrameAnnouncement newest_frame;  // the last picture the player announced
  bool frame_waiting = false;      // newest_frame is not shown yet
};

// Writes the player's command line from the PlayerLaunch in the context,
// the paths quoted with QuoteArgument; -1 (and an empty command line) when
// the line would not fit.
int PlayerBuildCommand(ToolRunner& runner);

// Appends the chunk and, when the newest complete line is a "ct:" report of
// exactly 10 characters, takes its number as the current position. Picture
// announcements are taken aside and do not count as the newest line: they
// come with every frame and would hide the position reports.
void PlayerOnOutput(ToolRunner& runner);

extern const ToolDescriptor kPlayerDescriptor;

}  // namespace orva
