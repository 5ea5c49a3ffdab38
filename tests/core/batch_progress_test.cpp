// The progress of a batch converting side by side: every job weighs the
// seconds it converts, whatever order the jobs run and end in.
#include <gtest/gtest.h>

#include "engine/batch_progress.h"

namespace orva {
namespace {

JobItem JobOf(double seconds) {
  JobItem job{};
  job.duration = job.trim_end = seconds;
  return job;
}

TEST(BatchProgressTest, JobsWeighTheirSecondsAndEndedOnesCountWhole) {
  const JobItem longJob = JobOf(30), shortJob = JobOf(10), waiting = JobOf(60);
  // 15 s of 30 written, 10 s ended (failed or not), 60 s not started: 25 of 100.
  EXPECT_DOUBLE_EQ(BatchPercent({{&longJob, JobStage::Running, 15},
                                 {&shortJob, JobStage::Ended, 0},
                                 {&waiting, JobStage::Waiting, 0}}),
                   25.0);
  // An encoder reporting past the range counts as whole, no more.
  EXPECT_DOUBLE_EQ(BatchPercent({{&longJob, JobStage::Running, 45}, {&shortJob, JobStage::Waiting, 0}}), 75.0);
}

TEST(BatchProgressTest, NothingToMeasureIsNoProgressRatherThanNaN) {
  const JobItem empty = JobOf(0);
  EXPECT_DOUBLE_EQ(BatchPercent({}), 0.0);
  EXPECT_DOUBLE_EQ(BatchPercent({{&empty, JobStage::Running, 3}}), 0.0);
}

TEST(BatchProgressTest, ClockExtrapolatesTheBatchAndNeverGoesBelowZero) {
  BatchClock clock;
  EXPECT_EQ(clock.remainingText(), "");  // nothing written yet
  for (int i = 0; i < 100; ++i) clock.tick(i < 99 ? 0 : 25.0);
  EXPECT_EQ(clock.elapsedText(), "00:00:10.00");
  EXPECT_EQ(clock.remainingText(), "00:00:30.00");
  EXPECT_EQ(clock.summaryText(1, 4), "Batch:  25.00%    (1/4 done)");
  clock.tick(120.0);
  EXPECT_EQ(clock.remainingText(), "00:00:00.00");
}

}  // namespace
}  // namespace orva
