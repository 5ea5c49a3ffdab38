// The arithmetic of a job's progress: how much of its range is done, the
// verdict when its encoder ends, and the time still to go.
#pragma once

#include <string>

#include "app/job_item.h"
#include "engine/process.h"

namespace orva {

// A job counts as done when this share of its range was written.
inline constexpr double kSuccessPercent = 88.0;

// Seconds of the job's range that the source can deliver: from `trim_begin`
// to `trim_end`, or to the source's end when the range runs past it. For an
// audio-only profile the source ends where its main audio does.
// A range that lies wholly past the end keeps its full length, so a job
// that can write nothing is never counted as done.
double ConvertibleSeconds(const JobItem& job);

// Share of the range written, in per cent; NaN for an empty range.
double JobPercent(const JobItem& job, double encodedSeconds);

// The job's result text. An encoder that crashed or failed on its own has
// written no usable file, whatever it reported; after a requested stop only
// the share written counts, so a nearly finished job is kept.
const char* JudgeJob(double percent, const ExitStatus& encoderExit, bool stopRequested);

// Linear extrapolation of the time left from the time spent; negative once
// the encoder reports more than the range.
double RemainingSeconds(float percent, double elapsedSeconds);

// Progress bar position, hundredths of a per cent truncated toward zero;
// NaN gives 0 and values beyond two billion are held there.
int ProgressPosition(float percent);

// A row's percentage "%05.2f%%", and the summary line
// "Completed:  %05.2f%%    (count/total)".
std::string PercentText(double percent);
std::string SummaryText(double percent, int count, int total);

}  // namespace orva
