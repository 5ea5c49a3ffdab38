// The H.264 profile and level an output is written in. The converter's
// command line names no device, so the frame size decides: small pictures
// go to phones and players that decode Constrained Baseline only, 720p to
// devices that take Main, anything larger to High.
#pragma once

namespace orva::encoder {

struct H264Profile {
  const char* profile = "";  // x264's name: "baseline", "main" or "high"
  const char* shownName = "";
  int level = 0;              // level_idc: 30 for level 3.0
  long maxBitRate = 0;        // bit/s the level allows this profile
  long bufferBits = 0;        // the level's coded picture buffer for this profile
};

// The profile of the frame size's class and the lowest level from that
// class's own level up whose frame size and macroblock rate limits hold.
// `framesPerSecond` 0 counts as 30.
H264Profile ChooseH264Profile(int width, int height, double framesPerSecond);

}  // namespace orva::encoder
