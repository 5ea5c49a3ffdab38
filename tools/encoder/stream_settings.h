// The video and audio settings ffmpeg will be given, as the rules for this
// ffmpeg build adjust them, and the notices that say what was adjusted.
#pragma once

#include <string>
#include <vector>

#include "tools/encoder/container.h"
#include "tools/encoder/source_facts.h"

namespace orva::encoder {

using Notices = std::vector<std::string>;

struct AudioSettings {
  std::string encoder;
  long bitrate = 0;     // bit/s, 0: encoder default
  int sampleRate = 0;   // Hz, 0: as the source
  int channels = 0;     // 0: as the source
  std::vector<std::string> extras;  // further output options this audio needs
};

struct VideoSettings {
  std::string encoder;
  std::vector<std::string> extras;  // e.g. -target ntsc-dv, kept in order
  std::string size;                 // "WxH" or empty
  long bitrate = 0;                 // bit/s, 0: encoder default
  std::string frameRate;            // as given, or empty
  std::string aspect;
  long maxRate = 0;                 // rate control cap, 0: none
  long bufferSize = 0;
  std::string filter;               // picture format conversion, or empty
  std::string profile;              // encoder profile, or empty
  std::string level;                // encoder level ("3.0"), or empty
};

// The output as a whole: its container, the format named to ffmpeg, and
// the extension the file is written under when the requested one would
// misname what the file holds.
struct OutputSettings {
  Container container;
  std::string format;     // explicit -f, or empty
  std::string extension;  // with its dot; empty: the requested name's
};

// Adds "substituted: <text>" to the notices.
void Note(Notices& notices, const std::string& text);

void ApplyAudioRules(AudioSettings& audio, const OutputSettings& output, Notices& notices);
void ApplyVideoRules(VideoSettings& video, OutputSettings& output, const SourceFacts& source,
                     Notices& notices);

// The -target preset among the extras ("ntsc-dv"), or "".
std::string TargetOf(const VideoSettings& video);

}  // namespace orva::encoder
