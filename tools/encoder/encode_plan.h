// The ffmpeg arguments that carry out a request with this ffmpeg build.
#pragma once

#include <string>
#include <vector>

#include "tools/encoder/encode_request.h"
#include "tools/encoder/stream_settings.h"

namespace orva::encoder {

struct EncodePlan {
  std::vector<std::string> inputArguments;   // seek, source and length
  std::vector<std::string> outputArguments;  // streams and format, before the output path
  Notices notices;                           // one line per substitution
};

inline constexpr int kPlanOk = 0;
inline constexpr int kPlanError = 2;

// kPlanError with a reason in `error` when a value cannot be read.
int PlanEncode(const EncodeRequest& request, EncodePlan& plan, std::string& error);

}  // namespace orva::encoder
