// The ffmpeg arguments that carry out a request with this ffmpeg build.
#pragma once

#include <string>
#include <vector>

#include "tools/encoder/encode_request.h"
#include "tools/encoder/keep_plan.h"
#include "tools/encoder/source_contents.h"
#include "tools/encoder/source_facts.h"
#include "tools/encoder/stream_settings.h"

namespace orva::encoder {

struct EncodePlan {
  std::vector<std::string> inputArguments;   // seek, source and length
  std::vector<std::string> outputArguments;  // streams and format, before the output path
  Notices notices;                           // one line per substitution or stream not kept
  SideWork side;                             // files to make before ffmpeg starts
  // Where the file goes: the requested output, or the same name with the
  // extension of the format actually written.
  std::string outputPath;
};

inline constexpr int kPlanOk = 0;
inline constexpr int kPlanError = 2;

// kPlanError with a reason in `error` when a value cannot be read or the
// source holds nothing the output can take. With known source facts the
// picture and the main audio are converted. With known contents that hold
// more, the further audio tracks, subtitles, cover art, tags and chapters
// are kept where the container carries them (side files are named from
// `sideStem`); a source of one picture and one sound gets the same command
// either way.
int PlanEncode(const EncodeRequest& request, const SourceFacts& source, const SourceContents& contents,
               const std::string& sideStem, EncodePlan& plan, std::string& error);
int PlanEncode(const EncodeRequest& request, const SourceFacts& source, EncodePlan& plan,
               std::string& error);

}  // namespace orva::encoder
