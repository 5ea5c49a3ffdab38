// The progress of a whole batch whose jobs convert side by side: the share
// of all the jobs' ranges written, the time spent and the time still to go.
#pragma once

#include <string>
#include <vector>

#include "app/job_item.h"

namespace orva {

// Where one job of the batch stands.
enum class JobStage { Waiting, Running, Ended };

struct JobStanding {
  const JobItem* job;
  JobStage stage;
  double encodedSeconds;  // as the job's encoder reported, while it runs
};

// Share of the batch written, in per cent: every job weighs the seconds it
// converts; an ended job counts whole, whatever its result, a running one
// by the share its encoder reported (at most whole), a waiting one not yet.
// 0 for a batch that has nothing to convert.
double BatchPercent(const std::vector<JobStanding>& jobs);

// Paced by the 100 ms progress timer, like a single job's clock.
class BatchClock {
 public:
  void tick(double percent);

  double percent() const { return percent_; }
  std::string summaryText(int endedJobs, int jobCount) const;
  std::string elapsedText() const;
  // Empty until some share is written.
  std::string remainingText() const;

 private:
  int ticks_ = 0;
  double percent_ = 0;
};

}  // namespace orva
