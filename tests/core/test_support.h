// Hand-built profiles for the core tests.
#pragma once

#include <string>

#include "media_clip.h"
#include "profiles/profile.h"
#include "scratch_folder.h"

namespace orva::test {

// A profile shaped like a small phone preset: MPEG-4 video 320x240 at 640K and
// 29.97 fps, AAC 128K 48000 Hz stereo, into ".mp4".
Profile& VideoTestProfile();
// An audio-only profile: mp3 at 128K, 44100 Hz, stereo, into ".mp3".
Profile& AudioTestProfile();

}  // namespace orva::test
