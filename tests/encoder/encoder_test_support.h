// Running the encoder program and ffprobe from tests, and the short clips
// they convert.
#pragma once

#include <functional>
#include <string>

#include "media_clip.h"
#include "scratch_folder.h"

namespace orva::encoder::test {

using orva::test::MakeClip;
using orva::test::RunFfmpeg;
using TempFolder = orva::test::ScratchFolder;

std::string EncoderProgram();  // the built cv.dat

// `text` as one command-line item, read back whole whatever it holds.
std::string Quoted(const std::string& text);
// The converter's command line for a small MPEG-4 + AAC conversion.
std::string Mpeg4Command(const std::string& source, const std::string& output);

struct ChildResult {
  int exitCode = -1;   // 128 + signal when a signal ended it
  std::string output;  // stdout and stderr as received
};

// Starts the command line, writes `input` to its stdin once `writeWhen`
// holds for its output so far (at once without one), and collects its
// output until it ends.
ChildResult RunChild(const std::string& commandLine, const std::string& input = "",
                     const std::function<bool(const std::string&)>& writeWhen = {});

// The output holds a progress report of more than 0 seconds written. The
// first reports say "time=0.00" before any picture is done.
bool ReportsWrittenSeconds(const std::string& output);

// The 2-second clip shared by the tests of this build, made once.
const std::string& SharedClip();

struct MediaFacts {
  bool readable = false;
  double duration = 0;
  std::string formatName;   // ffprobe's, e.g. "mov,mp4,m4a,3gp,3g2,mj2"
  std::string videoCodec;   // first video stream that is no cover art, "" when none
  bool coverArt = false;    // a still picture is kept as cover art
  int width = 0, height = 0;
  std::string videoProfile; // as ffprobe names it, e.g. "Constrained Baseline"
  int videoLevel = 0;       // level_idc for H.264 (30 for 3.0)
  std::string pixelFormat;  // e.g. "yuv420p"
  std::string colorRange;   // "tv", "pc" or "unknown"
  std::string videoTag;     // its FourCC as stored, e.g. "XVID"
  std::string audioCodec;   // first audio stream, "" when none
  int audioChannels = 0;
};

MediaFacts ProbeMedia(const std::string& path);

// True when ffmpeg decodes every stream of the file without an error.
bool DecodesCleanly(const std::string& path);

// The file the encoder program wrote: the path it announced with "output
// written as: " in `output`, or `requested`.
std::string WrittenPath(const std::string& output, const std::string& requested);

}  // namespace orva::encoder::test
