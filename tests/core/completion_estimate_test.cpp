#include <gtest/gtest.h>

#include "engine/completion_estimate.h"

namespace orva {
namespace {

constexpr std::int64_t kStart = 1'700'000'000;

TEST(CompletionEstimate, QuarterDoneAfterOneMinuteEndsFourMinutesAfterStart) {
  CompletionEstimate estimate;
  UpdateCompletionEstimate(estimate, 0.0001, kStart);
  UpdateCompletionEstimate(estimate, 2500.0 / 10000.0, kStart + 60);
  ASSERT_TRUE(estimate.valid);
  EXPECT_EQ(estimate.startSeconds, kStart);
  EXPECT_DOUBLE_EQ(estimate.completionSeconds, kStart + 240.0);
  EXPECT_DOUBLE_EQ(estimate.remainingSeconds, 180.0);
  EXPECT_DOUBLE_EQ(estimate.fraction, 0.25);
}

TEST(CompletionEstimate, NoShareYetGivesNoEstimateAndNoStart) {
  CompletionEstimate estimate;
  UpdateCompletionEstimate(estimate, 0.0, kStart);
  UpdateCompletionEstimate(estimate, -0.5, kStart + 5);
  EXPECT_FALSE(estimate.started);
  EXPECT_FALSE(estimate.valid);
  // The start is the first instant a share above 0 is seen, not the first call.
  UpdateCompletionEstimate(estimate, 0.5, kStart + 10);
  EXPECT_EQ(estimate.startSeconds, kStart + 10);
  EXPECT_DOUBLE_EQ(estimate.completionSeconds, kStart + 10.0);
  EXPECT_DOUBLE_EQ(estimate.remainingSeconds, 0.0);
}

TEST(CompletionEstimate, ZeroShareKeepsTheLastEstimateUntilReset) {
  CompletionEstimate estimate;
  UpdateCompletionEstimate(estimate, 0.1, kStart);
  UpdateCompletionEstimate(estimate, 0.5, kStart + 30);
  UpdateCompletionEstimate(estimate, 0.0, kStart + 40);
  ASSERT_TRUE(estimate.valid);
  EXPECT_DOUBLE_EQ(estimate.fraction, 0.0);
  EXPECT_DOUBLE_EQ(estimate.completionSeconds, kStart + 60.0);

  ResetCompletionEstimate(estimate);
  EXPECT_FALSE(estimate.valid);
  UpdateCompletionEstimate(estimate, 0.2, kStart + 100);
  EXPECT_EQ(estimate.startSeconds, kStart + 100);
}

}  // namespace
}  // namespace orva
