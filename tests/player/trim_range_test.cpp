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

TEST(TrimRangeTest, AnEndIsTakenOnlyAfterTheBegin) {
  JobItem job = Job(120, 30, 120);
  SetTrimRange(&job, false, kKeepBound, 30);
  SetTrimRange(&job, false, kKeepBound, 10);
  EXPECT_EQ(job.trim_end, 120);
  SetTrimRange(&job, false, kKeepBound, 75.5);
  EXPECT_EQ(job.trim_begin, 30);
  EXPECT_EQ(job.trim_end, 75.5);
  // Both at once: the new begin comes first, the end is judged against it;
  // a begin at the end pushes the end a minute on.
  SetTrimRange(&job, false, 75.5, 70);
  EXPECT_EQ(job.trim_begin, 75.5);
  EXPECT_EQ(job.trim_end, 135.5);
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
