// What the encoder program needs to know about a source before it starts
// ffmpeg: which streams are the picture and the main audio, and the
// picture's size and rate, read from the probe program's report. The
// converter has measured the source already and can hand the facts on in
// one short word, so that the encoder need not run the probe again.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace orva {

inline constexpr int kNoStream = -1;

struct SourceFacts {
  bool known = false;          // the probe read the file
  int videoStream = kNoStream; // the picture: first video stream that is no cover art
  int width = 0, height = 0;   // of that picture
  double frameRate = 0;        // its average rate, 0 when the report gives none
  int audioStream = kNoStream; // the main audio: the first marked default, else the first
  bool coverArt = false;       // the source carries a still picture (cover art)
};

// One [STREAM] section of ffprobe's "-show_streams" report, key by key.
using StreamSection = std::map<std::string, std::string>;
std::vector<StreamSection> ReadStreamSections(const std::string& report);

// The main audio: the first audio stream marked default, else the first
// audio stream; nullptr when there is none.
const StreamSection* MainAudio(const std::vector<StreamSection>& streams);

// The facts of a report's streams. A report without any stream leaves them
// unknown.
SourceFacts SourceFactsOf(const std::vector<StreamSection>& streams);
SourceFacts ParseSourceReport(const std::string& report);

// Known facts as "video,width,height,rate,audio,cover", e.g.
// "0,320,240,25,1,0": no blank, no quote, the same in every locale.
std::string SourceFactsWord(const SourceFacts& facts);

// Reads a word of SourceFactsWord into known facts; false when it is not one.
bool ReadSourceFactsWord(const std::string& word, SourceFacts& facts);

}  // namespace orva
