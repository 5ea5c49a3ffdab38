#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/profile.h"

namespace orva {
namespace {

constexpr OptionList kAspects = "Auto\0 4:3\0 16:9\0";

TEST(OptionList, ItemsByIndexAndNothingPastTheEnd) {
  EXPECT_STREQ(GetOptionItem(kAspects, 0), "Auto");
  EXPECT_STREQ(GetOptionItem(kAspects, 1), "4:3");
  EXPECT_STREQ(GetOptionItem(kAspects, 2), "16:9");
  EXPECT_EQ(GetOptionItem(kAspects, 3), nullptr);
  EXPECT_EQ(GetOptionItem(kAspects, 40), nullptr);
  EXPECT_EQ(OptionCount(kAspects), 3);
}

TEST(OptionList, AbsentOrEmptyListGivesNothing) {
  EXPECT_EQ(GetOptionItem(nullptr, 0), nullptr);
  EXPECT_EQ(GetOptionItem("\0 4:3\0", 0), nullptr);
  EXPECT_EQ(GetOptionItem("\0 4:3\0", 1), nullptr);
  EXPECT_EQ(OptionCount(nullptr), 0);
}

TEST(OptionList, FindsItemsByExactText) {
  EXPECT_EQ(FindOptionItem(kAspects, "16:9"), 2);
  EXPECT_EQ(FindOptionItem(kAspects, "auto"), -1);
  EXPECT_EQ(FindOptionItem(kAspects, "4:"), -1);
}

class RecordingTarget : public OptionTarget {
 public:
  void addItem(const char* text) override { items.emplace_back(text); }
  void selectItem(int index) override { selected = index; }
  std::vector<std::string> items;
  int selected = -1;
};

TEST(OptionList, FillsATargetInOrderAndSelects) {
  RecordingTarget target;
  FillComboFromOptionList(target, kAspects, 1);
  EXPECT_EQ(target.items, (std::vector<std::string>{"Auto", "4:3", "16:9"}));
  EXPECT_EQ(target.selected, 1);
}

}  // namespace
}  // namespace orva
