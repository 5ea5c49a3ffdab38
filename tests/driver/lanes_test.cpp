// Jobs converting side by side in lanes, with fake encoders steered per
// source: jobs at once, the batch's display, Stop, names, one lane.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <vector>

#include "driver_test_support.h"
#include "engine/conversion_texts.h"
#include "engine/process.h"
#include "profiles/catalogue.h"

namespace orva::test {
namespace {

constexpr char kReporter[] = ORVA_FAKE_REPORTER;

// Logs the calls that are not a progress tick's, in order.
class LoggingView : public RecordingView {
 public:
  void setRowStatus(int row, const std::string& text) override {
    if (IsResultText(text)) log.push_back("row " + std::to_string(row) + " " + text);
    RecordingView::setRowStatus(row, text);
  }
  void setFileName(const std::string& text) override {
    log.push_back("name " + text);
    RecordingView::setFileName(text);
  }
  void setExtensionChange(const std::string& text) override {
    log.push_back("extension " + text);
    RecordingView::setExtensionChange(text);
  }
  void setSummary(const std::string& text) override {
    if (text.empty()) log.push_back("no summary");
    RecordingView::setSummary(text);
  }
  void setProgressPosition(int position) override {
    if (position == 0) log.push_back("empty bar");
    RecordingView::setProgressPosition(position);
  }
  void setConverting(bool on) override {
    log.push_back(on ? "converting" : "idle");
    RecordingView::setConverting(on);
  }
  void startTimers() override {
    log.push_back("timers on");
    RecordingView::startTimers();
  }
  void stopTimers() override {
    log.push_back("timers off");
    RecordingView::stopTimers();
  }
  void stopPreview() override {
    log.push_back("preview stopped");
    RecordingView::stopPreview();
  }

  std::vector<std::string> log;
};

class LanesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCatalogue(); }
  void TearDown() override {
    for (const char* source : {"clip0.avi", "clip1.avi", "clip2.avi"}) SetFakeScriptFor(source, "");
  }

  // Polls the encoders until lane `lane` has reported `seconds`.
  bool PollUntilEncoded(ConversionLanes& lanes, int lane, double seconds) {
    for (int polls = 0; polls < 5000; ++polls) {
      if (lanes.driver(lane).state().encodedSeconds >= seconds) return true;
      lanes.onEncoderTimer();
      usleep(2000);
    }
    return false;
  }

  bool exists(const std::string& name) const { return std::filesystem::exists(folder.file(name)); }

  ScratchFolder folder;
  LoggingView view;
};

TEST(LaneCount, AsManyAsChosenOrAsProcessorsButNeverMoreThanTheJobs) {
  EXPECT_EQ(LaneCountFor(4, 10), 4);
  EXPECT_EQ(LaneCountFor(8, 3), 3);
  EXPECT_EQ(LaneCountFor(2, 0), 1);
  EXPECT_EQ(LaneCountFor(0, 1000), PlatformUsableProcessors());
  EXPECT_EQ(LaneCountFor(0, 1), 1);
}

TEST_F(LanesTest, TwoLanesConvertTwoJobsAtOnceThenTheThird) {
  TestJobs jobs(folder, 3, 40, view);
  SetFakeScript("40 2 10");  // 200 ms a job
  ConversionLanes lanes(view, jobs.list, kReporter, 2);
  std::map<std::string, int> launches;
  lanes.onJobStarted([&](const JobItem& job) { ++launches[job.name]; });
  ASSERT_EQ(lanes.convert(), kJobStarted);
  bool bothShowAPercent = false;
  ASSERT_TRUE(RunWhileTimersRun(lanes, view, [&] {
    bothShowAPercent = bothShowAPercent || (view.status(0).ends_with('%') && view.status(1).ends_with('%'));
  }));
  EXPECT_TRUE(bothShowAPercent);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(view.results(row), std::vector<std::string>{kStatusSuccess}) << row;
  // Each job was launched once, by whichever lane was free.
  EXPECT_EQ(launches, (std::map<std::string, int>{{"clip0", 1}, {"clip1", 1}, {"clip2", 1}}));
  EXPECT_EQ(view.convertingShown, (std::vector<bool>{true, false}));
  EXPECT_EQ(view.previewStops, 1);
  EXPECT_EQ(view.fileName, kFinishedFileName);
  EXPECT_EQ(view.summaries.back(), "");
  EXPECT_EQ(view.elapsed, kIdleClock);
  EXPECT_TRUE(exists("clip0.mp4") && exists("clip1.mp4") && exists("clip2.mp4"));
}

// Driven only by the encoders' output, as the window drives it: each wait
// is on the pipes the watch was last told of, and every launch and end
// tells it anew, so the third job starts when a lane's encoder ends.
TEST_F(LanesTest, TheWatchedOutputsAloneCarryARunToItsEnd) {
  TestJobs jobs(folder, 3, 40, view);
  SetFakeScript("40 2 10");
  ConversionLanes lanes(view, jobs.list, kReporter, 2);
  std::vector<OsHandle> watched;
  int changes = 0;
  lanes.onWatchChanged([&] {
    watched = lanes.watchedEncoderOutputs();
    ++changes;
  });
  ASSERT_EQ(lanes.convert(), kJobStarted);
  EXPECT_EQ(watched.size(), 2u);
  while (lanes.converting()) {
    ASSERT_FALSE(watched.empty()) << "a run goes on with no encoder watched";
    ASSERT_TRUE(PlatformWaitAnyReadable(watched, 30000)) << "no watched encoder wrote or ended";
    lanes.onEncoderTimer();
  }
  EXPECT_TRUE(watched.empty());
  EXPECT_EQ(changes, 6);  // three launches, three ends
  for (int row = 0; row < 3; ++row) EXPECT_EQ(view.results(row), std::vector<std::string>{kStatusSuccess}) << row;
}

// The batch's share weighs each job's seconds: 15 of 30 and 10 of 10
// written, 60 waiting, is a quarter; the rows keep their own percentages.
TEST_F(LanesTest, TheBatchShareWeighsEveryJobBySeconds) {
  TestJobs jobs(folder, 3, 30, view);
  jobs[1].duration = jobs[1].trim_end = 10;
  jobs[2].duration = jobs[2].trim_end = 60;
  SetFakeScriptFor("clip0.avi", "15 15 1 1");
  SetFakeScriptFor("clip1.avi", "10 10 1 1");
  ConversionLanes lanes(view, jobs.list, kReporter, 2);
  ASSERT_EQ(lanes.convert(), kJobStarted);
  ASSERT_TRUE(PollUntilEncoded(lanes, 0, 15));
  ASSERT_TRUE(PollUntilEncoded(lanes, 1, 10));
  for (int tick = 0; tick < 10; ++tick) lanes.onProgressTimer();
  EXPECT_EQ(view.status(0), "50.00%");
  EXPECT_EQ(view.status(1), "100.00%");
  EXPECT_EQ(view.summaries.back(), "Completed:  25.00%    (0/3)");
  EXPECT_EQ(view.positions.back(), 2500);
  EXPECT_EQ(view.elapsed, "00:00:01.00");
  EXPECT_EQ(view.remaining, "00:00:03.00");
  // The second job started last: its name is shown.
  EXPECT_EQ(view.fileName, "clip1");

  lanes.stop();
  ASSERT_TRUE(RunWhileTimersRun(lanes, view));
  EXPECT_EQ(view.status(1), kStatusSuccess);
  EXPECT_EQ(lanes.endedCount(), 2);
}

TEST_F(LanesTest, StopEndsEveryRunningJobAndStartsNoOther) {
  TestJobs jobs(folder, 3, 40, view);
  SetFakeScript("20 20 1 1");  // half the range, then waits to be stopped
  ConversionLanes lanes(view, jobs.list, kReporter, 2);
  ASSERT_EQ(lanes.convert(), kJobStarted);
  ASSERT_TRUE(PollUntilEncoded(lanes, 0, 20));
  ASSERT_TRUE(PollUntilEncoded(lanes, 1, 20));
  lanes.stop();
  ASSERT_TRUE(RunWhileTimersRun(lanes, view));
  EXPECT_EQ(view.status(0), kStatusFailed);
  EXPECT_EQ(view.status(1), kStatusFailed);
  EXPECT_EQ(view.status(2), "") << "no job may start after Stop";
  // Each encoder wrote its shortened file; nothing else was written.
  EXPECT_TRUE(exists("clip0.mp4") && exists("clip1.mp4"));
  EXPECT_FALSE(exists("clip2.mp4"));
  EXPECT_EQ(view.convertingShown, (std::vector<bool>{true, false}));

  // The next Convert is a run of its own, from the first job.
  SetFakeScript("40 20 1");
  ASSERT_EQ(lanes.convert(), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(lanes, view));
  for (int row = 0; row < 3; ++row) EXPECT_EQ(view.status(row), kStatusSuccess) << row;
}

TEST_F(LanesTest, AFailingJobBesideASucceedingOneKeepsItsOwnVerdictAndReason) {
  TestJobs jobs(folder, 2, 40, view);
  SetFakeScriptFor("clip0.avi", "40 4 5");
  SetFakeScriptFor("clip1.avi", "10 5 5");  // a quarter of the range
  ConversionLanes lanes(view, jobs.list, kReporter, 2);
  ASSERT_EQ(lanes.convert(), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(lanes, view));
  EXPECT_EQ(view.status(0), kStatusSuccess);
  EXPECT_EQ(view.status(1), kStatusFailed);
  EXPECT_STREQ(jobs[0].fail_reason, "");
  EXPECT_STREQ(jobs[1].fail_reason, "the encoder wrote only 25% of the range");
}

TEST_F(LanesTest, TwoSourcesWantingOneNameGetTwoNames) {
  TestJobs jobs(folder, 2, 10, view);
  for (int i = 0; i < 2; ++i) {
    std::snprintf(jobs[i].path, kJobPathCapacity, "%s", folder.file(i == 0 ? "same.avi" : "same.mkv").c_str());
    SplitJobPath(jobs[i]);
  }
  SetFakeScript("10 5 20");
  ConversionLanes lanes(view, jobs.list, kReporter, 2);
  ASSERT_EQ(lanes.convert(), kJobStarted);
  EXPECT_TRUE(lanes.running(0) && lanes.running(1));
  ASSERT_TRUE(RunWhileTimersRun(lanes, view));
  EXPECT_EQ(std::string(jobs[0].out_name), "same");
  EXPECT_EQ(std::string(jobs[1].out_name), "same(0)");
  EXPECT_TRUE(exists("same.mp4") && exists("same(0).mp4"));
}

// One lane shows exactly what a single driver shows, call for call, and
// converts one job after the other.
TEST_F(LanesTest, OneLaneIsASingleDriver) {
  TestJobs jobs(folder, 2, 10, view);
  SetFakeScript("10 5 20");
  ConversionDriver driver(view, kReporter);
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(driver, view));
  const std::vector<std::string> driverLog = view.log;
  std::filesystem::remove(folder.file("clip0.mp4"));
  std::filesystem::remove(folder.file("clip1.mp4"));

  view = LoggingView{};
  view.rows = 2;
  view.onRowStatus = [&](int row, const std::string&) {
    if (row == 1) {
      EXPECT_FALSE(view.results(0).empty()) << "the second job started beside the first";
    }
  };
  ConversionLanes lanes(view, jobs.list, kReporter, 1);
  ASSERT_EQ(lanes.convert(), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(lanes, view));
  EXPECT_EQ(view.log, driverLog);
  EXPECT_EQ(view.summaries.front().substr(0, 12), "Completed:  ");
  EXPECT_TRUE(view.summaries.front().ends_with("(1/2)")) << view.summaries.front();
}

// A folder question answered No ends the run as it would one job at a
// time: the job beside it finishes, none starts after.
TEST_F(LanesTest, ARefusedFolderLetsTheRunningJobFinishAndStartsNoOther) {
  TestJobs jobs(folder, 3, 10, view);
  std::snprintf(jobs[1].out_dir, kJobPathCapacity, "%s", folder.file("gone").c_str());
  view.answer = false;
  SetFakeScript("10 5 5");
  ConversionLanes lanes(view, jobs.list, kReporter, 2);
  ASSERT_EQ(lanes.convert(), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(lanes, view));
  EXPECT_EQ(view.questions, std::vector<std::string>{folder.file("gone/")});
  EXPECT_EQ(view.status(0), kStatusSuccess);
  EXPECT_EQ(view.status(1), "");
  EXPECT_EQ(view.status(2), "");
}

}  // namespace
}  // namespace orva::test
