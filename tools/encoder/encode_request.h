// What the converter asks of the encoder program: one source, an optional
// range, the chosen video and audio options and the output path, exactly as
// the converter's command line carries them.
#pragma once

#include <string>
#include <vector>

namespace orva::encoder {

struct VideoRequest {
  std::string encoder;                  // text after -vcodec
  std::vector<std::string> extras;      // further options of the codec entry, e.g. -target ntsc-dv
  std::string size;                     // -s
  std::string bitrate;                  // -b
  std::string frameRate;                // -r
  std::string aspect;                   // -aspect
};

struct AudioRequest {
  std::string encoder;     // -acodec
  std::string bitrate;     // -ab
  std::string sampleRate;  // -ar
  std::string channels;    // -ac: "1", "2" or "5.1"
};

struct EncodeRequest {
  std::string seek;      // -ss, seconds
  std::string input;     // -i
  std::string length;    // -t, seconds
  bool hasVideo = false; // -vcodec was given
  bool noVideo = false;  // -vn
  VideoRequest video;
  AudioRequest audio;
  std::string output;    // last argument
  // -source-facts: what the converter measured of the source (a word of
  // SourceFactsWord); empty: the encoder probes the source itself.
  std::string sourceFacts;
  // -tracks: "all" keeps every audio track of the source (the general and
  // HD video profiles), "one" (the default) its main track only.
  std::string tracks;
  bool everyAudioTrack() const { return tracks == "all"; }
};

inline constexpr int kParseOk = 0;
inline constexpr int kParseError = 2;  // also the program's exit code for it

// Reads the arguments that follow the program name. Returns kParseOk, or
// kParseError with a one-line reason in `error`.
int ParseEncodeRequest(const std::vector<std::string>& arguments,
                       EncodeRequest& request, std::string& error);

}  // namespace orva::encoder
