// One run of ffmpeg for a plan: progress passed on as the converter reads
// it, the quit command honoured, and the output moved into place only when
// ffmpeg succeeded.
#pragma once

#include <string>

#include "tools/encoder/encode_plan.h"

namespace orva::encoder {

inline constexpr int kFfmpegMissing = 127;
inline constexpr int kNoOutputWritten = 1;

// Runs ffmpeg writing to a temporary file named for `processId`, and returns
// ffmpeg's exit status (128 + the signal when a signal ended it), or
// kFfmpegMissing, or kNoOutputWritten when a successful ffmpeg left no file
// that could be moved to the plan's output path. A file written under
// another name than `outputPath` is announced by that name.
int RunEncodeSession(const EncodePlan& plan, const std::string& outputPath, long processId);

}  // namespace orva::encoder
