// What of a source beyond its picture and main audio goes into the output:
// further audio tracks, cover art, subtitles, tags and chapters, each kept
// the way the output's container carries it, and a "not kept: " line for
// what it cannot carry.
#pragma once

#include <string>
#include <vector>

#include "tools/encoder/container.h"
#include "tools/encoder/source_contents.h"
#include "tools/encoder/source_facts.h"

namespace orva::encoder {

using Arguments = std::vector<std::string>;

// Files made before the conversion starts, each by a short pass of its own.
struct SideWork {
  std::string source;
  // The cover as a JPEG file, for a Matroska attachment or an Ogg comment.
  int coverStream = kNoStream;
  bool coverIsJpeg = false;
  int coverWidth = 0, coverHeight = 0;
  std::string coverFile;
  // An ffmetadata file whose tags become the Ogg audio stream's comments:
  // the cover as METADATA_BLOCK_PICTURE, and the stream's own language and title.
  std::string metadataFile;
  std::string audioLanguage, audioTitle;
  // The subtitle streams cut to the range and starting at 0, in one
  // Matroska file: ffmpeg's fast seek would leave cues before the range in.
  std::vector<SourceStream> subtitles;
  std::string subtitleFile;
  std::string seek, length;

  bool empty() const { return coverFile.empty() && metadataFile.empty() && subtitleFile.empty(); }
  std::vector<std::string> files() const;
};

struct KeepRules {
  bool everyAudioTrack = false;  // General and HD video: every track; else the main one
  bool writesVideo = false;      // the output gets a moving picture
  int mainVideo = kNoStream;
  int mainAudio = kNoStream;
  std::string seek, length;      // the range, as requested
  std::string source;
  std::string sideStem;          // side files are this path plus a suffix
};

struct KeepPlan {
  Arguments extraInputs;      // -i of side files, after the source
  Arguments maps;             // every output stream in order: picture, audio, subtitles, cover
  bool coverIsStream = false; // a cover follows the picture as a second video stream
  Arguments streamArguments;  // codecs and flags of the streams beyond picture and audio
  Arguments fileArguments;    // tags, attachment, metadata maps
  std::vector<std::string> notKept;  // "not kept: ..." lines
  SideWork side;
};

// The source holds anything beyond one picture and one sound.
bool HoldsMore(const SourceContents& contents);

KeepPlan PlanKeeping(const KeepRules& rules, const SourceContents& contents, ContainerKind container);

}  // namespace orva::encoder
