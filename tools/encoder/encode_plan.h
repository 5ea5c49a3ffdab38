// The ffmpeg arguments that carry out a request with this ffmpeg build.
#pragma once

#include <string>
#include <vector>

#include "tools/encoder/encode_request.h"
#include "tools/encoder/source_facts.h"
#include "tools/encoder/stream_settings.h"

namespace orva::encoder {

struct EncodePlan {
  std::vector<std::string> inputArguments;   // seek, source and length
  std::vector<std::string> outputArguments;  // streams and format, before the output path
  Notices notices;                           // one line per substitution
  // Where the file goes: the requested output, or the same name with the
  // extension of the format actually written.
  std::string outputPath;
};

inline constexpr int kPlanOk = 0;
inline constexpr int kPlanError = 2;

// kPlanError with a reason in `error` when a value cannot be read or the
// source holds nothing the output can take. With known source facts only the
// picture and the main audio are converted; subtitles, data, attachments and
// cover art are left out.
int PlanEncode(const EncodeRequest& request, const SourceFacts& source, EncodePlan& plan,
               std::string& error);

}  // namespace orva::encoder
