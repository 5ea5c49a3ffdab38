// The rule that sets a job's begin and end.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "player/trim_range.h"

namespace orva {
namespace {

JobItem Job(double duration, double begin, double end) {
  JobItem job{};
  job.duration = duration;
  job.trim_begin = begin;
  job.trim_end = end;
  return job;
}

TEST(TrimRangeTest, NeedsAJobAndAPlayerThatDoesNotPlay) {
  EXPECT_EQ(SetTrimRange(nullptr, false, 10, 20), kTrimNoJob);
  JobItem job = Job(120, 0, 120);
  EXPECT_EQ(SetTrimRange(&job, true, 10, 20), kTrimWhilePlaying);
  EXPECT_EQ(job.trim_begin, 0);
  EXPECT_EQ(job.trim_end, 120);
}

TEST(TrimRangeTest, BeginAtZeroIsNeverTaken) {
  JobItem job = Job(120, 30, 90);
  EXPECT_EQ(SetTrimRange(&job, false, 0, kKeepBound), kTrimApplied);
  EXPECT_EQ(job.trim_begin, 30);
  EXPECT_EQ(job.trim_end, 90);
}

TEST(TrimRangeTest, ABeginAtOrPastTheEndPushesTheEndAMinuteOn) {
  JobItem job = Job(120, 0, 90);
  SetTrimRange(&job, false, 100, kKeepBound);
  EXPECT_EQ(job.trim_begin, 100);
  EXPECT_EQ(job.trim_end, 160);  // past the duration, as the rule allows

  job = Job(120, 0, 90);
  SetTrimRange(&job, false, 90, kKeepBound);
  EXPECT_EQ(job.trim_end, 150);

  job = Job(120, 0, 90);
  SetTrimRange(&job, false, 30, kKeepBound);
  EXPECT_EQ(job.trim_begin, 30);
  EXPECT_EQ(job.trim_end, 90);
}

TEST(TrimRangeTest, AnEndIsTakenOnlyAfterTheBegin) {
  JobItem job = Job(120, 30, 120);
  SetTrimRange(&job, false, kKeepBound, 30);
  SetTrimRange(&job, false, kKeepBound, 10);
  EXPECT_EQ(job.trim_end, 120);
  SetTrimRange(&job, false, kKeepBound, 75.5);
  EXPECT_EQ(job.trim_begin, 30);
  EXPECT_EQ(job.trim_end, 75.5);
  // Both at once: the new begin comes first, the end is judged against it.
  SetTrimRange(&job, false, 80, 70);
  EXPECT_EQ(job.trim_begin, 80);
  EXPECT_EQ(job.trim_end, 140);
}

TEST(TrimRangeTest, PositionsThatAreNotNumbersChangeNothing) {
  JobItem job = Job(120, 30, 90);
  const double infinity = std::numeric_limits<double>::infinity();
  SetTrimRange(&job, false, infinity, kKeepBound);
  SetTrimRange(&job, false, kKeepBound, infinity);
  SetTrimRange(&job, false, std::nan(""), std::nan(""));
  EXPECT_EQ(job.trim_begin, 30);
  EXPECT_EQ(job.trim_end, 90);
}

}  // namespace
}  // namespace orva
