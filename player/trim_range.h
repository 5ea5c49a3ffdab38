// The begin and end of the stretch of a job that gets converted.
#pragma once

#include "app/job_item.h"

namespace orva {

// Results of SetTrimRange.
inline constexpr int kTrimApplied = 0;
inline constexpr int kTrimNoJob = 1;
inline constexpr int kTrimWhilePlaying = 2;

// Leaves a bound unchanged.
inline constexpr double kKeepBound = -1.0;

// Takes a new begin when it is above 0 (pushing an end that no longer lies
// after it to 60 s past the begin) and a new end when it lies after the
// begin; other values, and values that are not finite, are dropped. Nothing
// changes while the preview plays. The end may lie past the duration.
int SetTrimRange(JobItem* job, bool previewPlaying, double begin, double end);

}  // namespace orva
