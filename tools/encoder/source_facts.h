// What the encoder program learns about its source before it starts ffmpeg:
// which streams are the picture and the main audio, and the picture's size
// and rate, from the probe program's report.
#pragma once

#include <string>

namespace orva::encoder {

inline constexpr int kNoStream = -1;

struct SourceFacts {
  bool known = false;          // the probe read the file
  int videoStream = kNoStream; // the picture: first video stream that is no cover art
  int width = 0, height = 0;   // of that picture
  double frameRate = 0;        // its average rate, 0 when the report gives none
  int audioStream = kNoStream; // the main audio: the first marked default, else the first
  bool coverArt = false;       // the source carries a still picture (cover art)
};

// Reads ffprobe's "-show_streams" report (key=value lines in [STREAM]
// sections). A report without any stream leaves the facts unknown.
SourceFacts ParseSourceReport(const std::string& report);

// Runs the probe program on `path`: pb.dat beside this program, or ffprobe
// from the search path. Unknown facts when neither can read the file.
SourceFacts ProbeSource(const std::string& path);

}  // namespace orva::encoder
