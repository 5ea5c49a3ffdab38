// Test media, made by ffmpeg at test time.
#pragma once

#include <string>

namespace orva::test {

// `text` as one word of a shell command, whatever quotes, backslashes or
// dollar signs it holds.
std::string ShellQuoted(const std::string& text);

// Runs ffmpeg with the given arguments (after "-v error -y"); true on success.
bool RunFfmpeg(const std::string& arguments);

// A clip of `seconds` with a 320x240 25 fps test picture (MPEG-4) and a
// stereo 44100 Hz tone (AAC), in the container of `path`'s extension.
bool MakeClip(const std::string& path, double seconds);

// The length of a media file in seconds as the probe measures it; 0 when it
// cannot be measured.
double MediaDuration(const std::string& path);

}  // namespace orva::test
