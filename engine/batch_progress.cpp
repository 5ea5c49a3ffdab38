#include "engine/batch_progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/conversion_progress.h"

namespace orva {

namespace {

constexpr char kBatchSummaryFormat[] = "Batch:  %05.2f%%    (%d/%d done)";

double ShareDone(const JobStanding& standing) {
  switch (standing.stage) {
    case JobStage::Waiting: return 0;
    case JobStage::Ended: return 1;
    case JobStage::Running: break;
  }
  const double percent = JobPercent(*standing.job, standing.encodedSeconds);
  return std::isfinite(percent) ? std::clamp(percent / 100.0, 0.0, 1.0) : 0;
}

}  // namespace

double BatchPercent(const std::vector<JobStanding>& jobs) {
  double total = 0, done = 0;
  for (const JobStanding& standing : jobs) {
    const double seconds = ConvertibleSeconds(*standing.job);
    if (!(seconds > 0) || !std::isfinite(seconds)) continue;
    total += seconds;
    done += seconds * ShareDone(standing);
  }
  return total > 0 ? done / total * 100.0 : 0;
}

void BatchClock::tick(double percent) {
  ++ticks_;
  percent_ = percent;
}

std::string BatchClock::summaryText(int endedJobs, int jobCount) const {
  char text[96];
  std::snprintf(text, sizeof text, kBatchSummaryFormat, percent_, endedJobs, jobCount);
  return text;
}

std::string BatchClock::elapsedText() const { return FormatClock(ticks_ / 10.0); }

std::string BatchClock::remainingText() const {
  if (!(percent_ > 0)) return "";
  const double left = RemainingSeconds(static_cast<float>(percent_), ticks_ / 10.0);
  return FormatClock(std::max(left, 0.0));
}

}  // namespace orva
