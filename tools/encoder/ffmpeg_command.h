// The one command line that starts ffmpeg for a plan.
#pragma once

#include <string>

#include "tools/encoder/encode_plan.h"

namespace orva::encoder {

// The program ffmpeg is started by, found on the search path.
inline constexpr char kFfmpegProgram[] = "ffmpeg";

// ffmpeg, its stats switched on and its banner off, the plan's arguments, -y
// and the temporary output path. Arguments that hold blanks or quotes are
// quoted with QuoteArgument.
std::string FfmpegCommandLine(const EncodePlan& plan, const std::string& outputPath);

}  // namespace orva::encoder
