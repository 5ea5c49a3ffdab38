#include "player/trim_range.h"

#include <cmath>

namespace orva {

namespace {

constexpr double kEndAfterLateBegin = 60.0;

}  // namespace

int SetTrimRange(JobItem* job, bool previewPlaying, double begin, double end) {
  if (job == nullptr) return kTrimNoJob;
  if (previewPlaying) return kTrimWhilePlaying;
  // A garbled position report can read as infinity; a range that ends there
  // would reach the encoder's command line.
  if (begin > 0 && std::isfinite(begin)) {
    job->trim_begin = begin;
    if (job->trim_end <= job->trim_begin) job->trim_end = job->trim_begin + kEndAfterLateBegin;
  }
  if (end > 0 && std::isfinite(end) && end > job->trim_begin) job->trim_end = end;
  return kTrimApplied;
}

}  // namespace orva
