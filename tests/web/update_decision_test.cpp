#include "web/update_decision.h"

#include <gtest/gtest.h>

#include "app/string_table.h"

namespace orva {
namespace {

UpdatePrompt Decide(const std::optional<std::string>& stored) {
  return DecideUpdatePrompt(stored, LoadString(kStrVersion));
}

TEST(UpdateDecisionTest, PromptsOnlyForANewerVersionOfTheSameLength) {
  const UpdatePrompt newer = Decide("1.7.30");
  EXPECT_TRUE(newer.show);
  EXPECT_EQ(newer.version, "1.7.30");
  EXPECT_TRUE(Decide("2.0.00").show);
  EXPECT_TRUE(Decide("1.8.01").show);

  EXPECT_FALSE(Decide("1.7.29").show);   // the running version
  EXPECT_FALSE(Decide("1.8").show);      // another length, though newer
  EXPECT_FALSE(Decide("1.7.300").show);
  EXPECT_FALSE(Decide("1.7.28").show);   // older, same length
  EXPECT_FALSE(Decide("0.9.99").show);
  EXPECT_FALSE(Decide("1.07.2").show);
  EXPECT_FALSE(Decide("1.7.3a").show);   // not a version
  EXPECT_FALSE(Decide("1..730").show);
  EXPECT_FALSE(Decide("").show);
  EXPECT_FALSE(Decide(std::nullopt).show);
}

TEST(UpdateDecisionTest, VersionsCompareAsDottedNumbers) {
  EXPECT_TRUE(IsNewerVersion("1.10", "1.9"));
  EXPECT_TRUE(IsNewerVersion("1.8", "1.7.29"));
  EXPECT_TRUE(IsNewerVersion("1.7.29.1", "1.7.29"));
  EXPECT_TRUE(IsNewerVersion("1.7.0100", "1.7.99"));
  EXPECT_TRUE(IsNewerVersion("1.99999999999999999999999", "1.99999999999999999999998"));
  EXPECT_FALSE(IsNewerVersion("1.7.29.0", "1.7.29"));
  EXPECT_FALSE(IsNewerVersion("01.7.29", "1.7.29"));
  EXPECT_FALSE(IsNewerVersion("1.7.29", "1.7.30"));
  EXPECT_FALSE(IsNewerVersion("2.", "1.7"));
  EXPECT_FALSE(IsNewerVersion(".2", "1.7"));
  EXPECT_FALSE(IsNewerVersion("2.0", ""));
}

}  // namespace
}  // namespace orva
