#include "engine/conversion_progress.h"

#include <algorithm>
#include <cmath>

#include "engine/conversion_texts.h"
#include "engine/number_text.h"

namespace orva {

namespace {

// Where the output's content ends in the source: an audio-only output ends
// with the source's audio, which may stop before its picture does.
double SourceEnd(const JobItem& job) {
  const bool audioOnly = job.profile != nullptr && job.profile->videoCodecCount == 0;
  const bool audioEndsEarly = job.audio_duration > 0 && job.audio_duration < job.duration;
  return audioOnly && audioEndsEarly ? job.audio_duration : job.duration;
}

}  // namespace

double ConvertibleSeconds(const JobItem& job) {
  const double inside = std::min(job.trim_end, SourceEnd(job)) - job.trim_begin;
  return inside > 0 ? inside : job.trim_end - job.trim_begin;
}

double JobPercent(const JobItem& job, double encodedSeconds) {
  return encodedSeconds * 100.0 / ConvertibleSeconds(job);
}

const char* JudgeJob(double percent, const ExitStatus& encoderExit, bool stopRequested) {
  const bool encoderFailed = encoderExit.known && !encoderExit.success();
  if (encoderFailed && !stopRequested) return kStatusFailed;
  // 0 / 0 (an empty range) counts as done, as the encoder had nothing to do.
  return std::isnan(percent) || percent >= kSuccessPercent ? kStatusSuccess : kStatusFailed;
}

double RemainingSeconds(float percent, double elapsedSeconds) {
  return (100.0f - percent) / percent * elapsedSeconds;
}

int ProgressPosition(float percent) {
  if (std::isnan(percent)) return 0;
  // Far beyond the bar's range of 0 to 10000 anyway; clamping keeps the
  // conversion to int defined.
  constexpr float kLimit = 2e9f;
  return static_cast<int>(std::clamp(percent * 100.0f, -kLimit, kLimit));
}

std::string PercentText(double percent) { return ZeroFilledFixedText(percent, 2, 5) + "%"; }

std::string SummaryText(double percent, int count, int total) {
  return kSummaryLead + PercentText(percent) + "    (" + std::to_string(count) + "/" + std::to_string(total) + ")";
}

}  // namespace orva
