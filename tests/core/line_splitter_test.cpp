#include <gtest/gtest.h>

#include <cstring>

#include "engine/line_splitter.h"

namespace orva {
namespace {

class LineSplitterTest : public ::testing::Test {
 protected:
  ~LineSplitterTest() override { LineSplitterRelease(splitter); }
  std::string last() const { return splitter.lastLine ? splitter.lastLine : "<none>"; }
  std::string pending() const { return splitter.pending ? splitter.pending : "<none>"; }
  LineSplitter splitter;
};

TEST_F(LineSplitterTest, ReportSplitAcrossTwoChunks) {
  LineSplitterAppend(splitter, "frame=1 time=1.50\rframe=2 ti");
  EXPECT_EQ(last(), "frame=1 time=1.50");
  EXPECT_EQ(pending(), "frame=2 ti");
  LineSplitterAppend(splitter, "me=2.00\r");
  EXPECT_EQ(last(), "frame=2 time=2.00");
  EXPECT_EQ(pending(), "");
}

TEST_F(LineSplitterTest, BreaksOnlyChunk) {
  LineSplitterAppend(splitter, "first\n");
  LineSplitterAppend(splitter, "\r\n\r");
  EXPECT_EQ(last(), "first");  // no empty lines
  EXPECT_EQ(pending(), "");
  LineSplitterAppend(splitter, "half");
  LineSplitterAppend(splitter, "\r\n");
  EXPECT_EQ(last(), "half");
  EXPECT_EQ(pending(), "");
}

TEST_F(LineSplitterTest, NewestOfSeveralLinesWinsAndRunsOfBreaksCountOnce) {
  LineSplitterAppend(splitter, "\n\na\r\n\r\nb\n\nc\rrest");
  EXPECT_EQ(last(), "c");
  EXPECT_EQ(pending(), "rest");
}

TEST_F(LineSplitterTest, TextWithoutBreakWaitsAndEmptyChunkDoesNothing) {
  LineSplitterAppend(splitter, "");
  EXPECT_EQ(splitter.lastLine, nullptr);
  LineSplitterAppend(splitter, "abc");
  EXPECT_EQ(last(), "");
  EXPECT_EQ(pending(), "abc");
  LineSplitterAppend(splitter, "def");
  EXPECT_EQ(pending(), "abcdef");
}

TEST_F(LineSplitterTest, GrowsExactlyToTheNeed) {
  LineSplitterAppend(splitter, "abc");  // 3 + 1
  EXPECT_EQ(splitter.capacity, 4);
  LineSplitterAppend(splitter, "de");  // 3 pending + 2 + 1
  EXPECT_EQ(splitter.capacity, 6);
  LineSplitterAppend(splitter, "\r");  // 5 pending + 1 + 1
  EXPECT_EQ(splitter.capacity, 7);
  EXPECT_EQ(last(), "abcde");
  LineSplitterRelease(splitter);
  EXPECT_EQ(splitter.lastLine, nullptr);
  EXPECT_EQ(splitter.pending, nullptr);
  LineSplitterAppend(splitter, "xy\n");
  EXPECT_EQ(splitter.capacity, 4);
  EXPECT_EQ(last(), "xy");
}

}  // namespace
}  // namespace orva
