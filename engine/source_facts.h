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
  // It holds more than that picture and that audio: further audio tracks,
  // subtitles, cover art or tags of its own. The encoder program then reads
  // the whole source before it decides what to keep.
  bool more = false;
};

// One [STREAM] section of ffprobe's "-show_streams" report, key by key.
using StreamSection = std::map<std::string, std::string>;
std::vector<StreamSection> ReadStreamSections(const std::string& report);
// Every section of that name ("STREAM", "CHAPTER", "FORMAT") in the report.
std::vector<StreamSection> ReadSections(const std::string& report, const std::string& name);

// The value of `key` in a section, "" when it has none.
std::string ValueOf(const StreamSection& section, const char* key);

// A section carries tags a listener or viewer reads (title, artist, album,
// ...), not merely what a muxer stamps on every file (encoder, brands).
bool HasUserTags(const StreamSection& section);

// The main audio: the first audio stream marked default, else the first
// audio stream; nullptr when there is none.
const StreamSection* MainAudio(const std::vector<StreamSection>& streams);

// The facts of a report's streams. A report without any stream leaves them
// unknown. The report's format section adds whether the file carries tags.
SourceFacts SourceFactsOf(const std::vector<StreamSection>& streams);
SourceFacts ParseSourceReport(const std::string& report);

// Known facts as "video,width,height,rate,audio,cover,more", e.g.
// "0,320,240,25,1,0,0": no blank, no quote, the same in every locale.
std::string SourceFactsWord(const SourceFacts& facts);

// Reads a word of SourceFactsWord into known facts; false when it is not one.
bool ReadSourceFactsWord(const std::string& word, SourceFacts& facts);

}  // namespace orva
