// The conversion driver against small fake encoders: judgement, Stop, failed
// launches, the not-writable question and the display.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "driver_test_support.h"
#include "engine/conversion_texts.h"
#include "profiles/catalogue.h"
#include "profiles/profile_selection.h"

namespace orva::test {
namespace {

constexpr char kReporter[] = ORVA_FAKE_REPORTER;
constexpr char kCrasher[] = ORVA_FAKE_CRASH;
constexpr char kSilent[] = ORVA_FAKE_SILENT;

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCatalogue(); }

  // Converts the whole list with the given fake encoder and script.
  void convertAll(const TestJobs& jobs, const char* encoder, const std::string& script) {
    SetFakeScript(script);
    ConversionDriver driver(view, encoder);
    ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
    ASSERT_TRUE(RunWhileTimersRun(driver, view));
    EXPECT_FALSE(driver.converting());
  }

  bool sawSummaryWith(const std::string& part) const {
    return std::any_of(view.summaries.begin(), view.summaries.end(),
                       [&](const std::string& s) { return s.find(part) != std::string::npos; });
  }

  ScratchFolder folder;
  RecordingView view;
};

TEST_F(DriverTest, JudgesByTheShareOfTheRangeWritten) {
  TestJobs jobs(folder, 1, 40, view);
  convertAll(jobs, kReporter, "36 4 1");
  EXPECT_EQ(view.status(0), kStatusSuccess);  // 90 %

  view = RecordingView{};
  TestJobs short_(folder, 1, 40, view);
  convertAll(short_, kReporter, "35 5 1");
  EXPECT_EQ(view.status(0), kStatusFailed);  // 87.5 %
}

TEST_F(DriverTest, AWarningAfterEveryReportDoesNotHoldTheProgressBack) {
  TestJobs jobs(folder, 1, 40, view);
  SetFakeScript("40 4 1 0 1");
  ConversionDriver driver(view, kReporter);
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(PollUntilEncoded(driver, 20));
  driver.onProgressTimer();
  EXPECT_GE(view.positions.back(), 5000);
  ASSERT_TRUE(RunWhileTimersRun(driver, view));
  EXPECT_EQ(view.status(0), kStatusSuccess);
}

TEST_F(DriverTest, ShowsTheJobWhileItRunsAndFinishAtTheEnd) {
  TestJobs jobs(folder, 1, 40, view);
  SetFakeScript("20 20 1 1");
  ConversionDriver driver(view, kReporter);
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  EXPECT_EQ(view.previewStops, 1);
  EXPECT_EQ(view.convertingShown, std::vector<bool>{true});
  EXPECT_EQ(view.fileName, "clip0");
  EXPECT_EQ(view.extensionChange, ".avi ---> .mp4");

  ASSERT_TRUE(PollUntilEncoded(driver, 20));
  for (int i = 0; i < 10; ++i) driver.onProgressTimer();
  EXPECT_EQ(view.status(0), "50.00%");
  EXPECT_EQ(view.summaries.back(), "Completed:  50.00%    (1/1)");
  EXPECT_EQ(view.elapsed, "00:00:01.00");
  EXPECT_EQ(view.remaining, "00:00:01.00");
  EXPECT_EQ(view.positions.back(), 5000);

  driver.stop();
  ASSERT_TRUE(RunWhileTimersRun(driver, view));
  EXPECT_EQ(view.fileName, kFinishedFileName);
  EXPECT_EQ(view.extensionChange, "");
  EXPECT_EQ(view.elapsed, kIdleClock);
  EXPECT_EQ(view.remaining, kIdleClock);
  EXPECT_EQ(view.summaries.back(), "");
  EXPECT_EQ(view.positions.back(), 0);
  EXPECT_EQ(view.convertingShown, (std::vector<bool>{true, false}));
}

TEST_F(DriverTest, WhileTheEncoderFinishesItsFileTheRowSaysSo) {
  TestJobs jobs(folder, 1, 40, view);
  SetFakeScript("40 40 1 1 0 1");
  ConversionDriver driver(view, kReporter);
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(PollUntilEncoded(driver, 40));
  driver.onProgressTimer();
  for (int polls = 0; !driver.state().finishing && polls < 5000; ++polls) {
    driver.onEncoderTimer();
    usleep(2000);
  }
  ASSERT_TRUE(driver.state().finishing);
  driver.onProgressTimer();
  EXPECT_EQ(view.status(0), kStatusFinishing);
  EXPECT_EQ(view.summaries.back(), "Completed:  100.00%    (1/1)");
  // Stop while it finishes: the file is completed, and so is the job.
  driver.stop();
  ASSERT_TRUE(RunWhileTimersRun(driver, view));
  EXPECT_EQ(view.status(0), kStatusSuccess);
}

TEST_F(DriverTest, EachJobStartsWithAnEmptyBar) {
  TestJobs jobs(folder, 2, 40, view);
  int firstJobFill = 0;
  int barAtSecondJob = -1;
  view.onRowStatus = [&](int row, const std::string&) {
    if (row == 0 && !view.positions.empty()) firstJobFill = std::max(firstJobFill, view.positions.back());
    if (row == 1 && barAtSecondJob < 0) barAtSecondJob = view.positions.back();
  };
  convertAll(jobs, kReporter, "40 4 40 0");
  EXPECT_EQ(view.status(0), kStatusSuccess);
  EXPECT_GT(firstJobFill, 0);
  EXPECT_EQ(barAtSecondJob, 0) << "the first job's bar must not carry over";
}

TEST_F(DriverTest, StopJudgesTheRunningJobAndStartsNoOther) {
  struct Case {
    const char* script;
    const char* expected;
    double reached;
  };
  for (const Case& c : {Case{"38 38 1 1", kStatusSuccess, 38}, Case{"20 20 1 1", kStatusFailed, 20}}) {
    view = RecordingView{};
    TestJobs jobs(folder, 2, 40, view);
    SetFakeScript(c.script);
    ConversionDriver driver(view, kReporter);
    ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
    ASSERT_TRUE(PollUntilEncoded(driver, c.reached));
    driver.stop();
    EXPECT_TRUE(driver.stopRequested());
    ASSERT_TRUE(RunWhileTimersRun(driver, view));
    EXPECT_EQ(view.status(0), c.expected) << c.script;
    EXPECT_EQ(view.status(1), "") << "no job may start after Stop";
    EXPECT_FALSE(driver.stopRequested());
  }
}

TEST_F(DriverTest, AJobThatCannotBeLaunchedIsFatalAndTheRunGoesOn) {
  TestJobs jobs(folder, 3, 10, view);
  SetFakeScript("10 5 20");
  ConversionDriver driver(view, kReporter);
  // The encoder vanishes after the first job and is back for the third.
  view.onRowStatus = [&](int row, const std::string& text) {
    ToolRunner& runner = driver.encoderRunner();
    if (row == 0 && text == kStatusSuccess) std::snprintf(runner.programPath, kPathCapacity, "%s", folder.file("missing").c_str());
    if (row == 1 && text == kStatusFatal) std::snprintf(runner.programPath, kPathCapacity, "%s", kReporter);
  };
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(driver, view));

  EXPECT_EQ(view.status(0), kStatusSuccess);
  EXPECT_EQ(view.status(1), kStatusFatal);
  EXPECT_EQ(view.status(2), kStatusSuccess);
  EXPECT_STREQ(jobs[0].fail_reason, "");
  EXPECT_EQ(jobs[1].fail_reason, "no encoder program at " + folder.file("missing"));
  EXPECT_STREQ(jobs[2].fail_reason, "");
  EXPECT_TRUE(sawSummaryWith("(1/3)"));
  EXPECT_FALSE(sawSummaryWith("(2/3)"));
  EXPECT_TRUE(sawSummaryWith("(3/3)"));
}

TEST_F(DriverTest, WhenNoJobCanBeLaunchedTheRunNeverStarts) {
  TestJobs jobs(folder, 2, 10, view);
  ConversionDriver driver(view, folder.file("missing"));
  EXPECT_EQ(driver.convert(jobs.first()), kNoJobStarted);
  EXPECT_EQ(view.status(0), kStatusFatal);
  EXPECT_EQ(view.status(1), kStatusFatal);
  EXPECT_TRUE(view.convertingShown.empty());
  EXPECT_FALSE(view.timersRunning);
  EXPECT_FALSE(driver.converting());
}

// The encoder gets the name whole: it writes the output under exactly the
// name it was given.
TEST_F(DriverTest, ANameHoldingQuotesAndBackslashesConverts) {
  TestJobs jobs(folder, 1, 10, view);
  std::snprintf(jobs[0].path, kJobPathCapacity, "%s", folder.file(R"(say "hi" \"there\" -y.avi)").c_str());
  SplitJobPath(jobs[0]);
  convertAll(jobs, kReporter, "10 5 1");
  EXPECT_EQ(view.status(0), kStatusSuccess);
  EXPECT_TRUE(std::filesystem::exists(folder.file(R"(say "hi" \"there\" -y.mp4)")));
}

TEST_F(DriverTest, AnOutputNameThatCannotBeMadeIsFatalAndTheRunGoesOn) {
  TestJobs jobs(folder, 2, 10, view);
  // A source name the file system takes, but not with the output's counter.
  const std::string longName(251, 'n');
  std::snprintf(jobs[0].path, kJobPathCapacity, "/s/%s.avi", longName.c_str());
  SplitJobPath(jobs[0]);
  std::snprintf(jobs[0].out_dir, kJobPathCapacity, "%s", folder.path().c_str());
  jobs[0].profile = ProfileFromMenuId(11400);  // ".mp3"
  folder.touch(longName + ".mp3");
  convertAll(jobs, kReporter, "10 5 1");
  EXPECT_EQ(view.status(0), kStatusFatal);
  EXPECT_STREQ(jobs[0].fail_reason, "the output path would be too long (259 characters, 255 for the file name)");
  EXPECT_EQ(view.status(1), kStatusSuccess);
}

TEST_F(DriverTest, NotWritableFolderDeclinedEndsTheRunBeforeTheJob) {
  TestJobs jobs(folder, 2, 10, view);
  for (int i = 0; i < 2; ++i) std::snprintf(jobs[i].out_dir, kJobPathCapacity, "%s", folder.file("gone").c_str());
  view.answer = false;
  ConversionDriver driver(view, kReporter);
  EXPECT_EQ(driver.convert(jobs.first()), kRunDeclined);
  EXPECT_EQ(view.questions, std::vector<std::string>{folder.file("gone/")});
  EXPECT_TRUE(view.statuses.empty());
  EXPECT_TRUE(view.convertingShown.empty());
  EXPECT_EQ(jobs[0].fail_reason, "the output folder " + folder.file("gone/") + " does not exist");
}

TEST_F(DriverTest, NotWritableFolderAcceptedIsAskedForEveryJob) {
  TestJobs jobs(folder, 2, 10, view);
  for (int i = 0; i < 2; ++i) std::snprintf(jobs[i].out_dir, kJobPathCapacity, "%s", folder.file("gone").c_str());
  view.answer = true;
  convertAll(jobs, kReporter, "10 5 1");
  EXPECT_EQ(view.questions.size(), 2u);
  EXPECT_EQ(view.status(0), kStatusSuccess);
  EXPECT_EQ(view.status(1), kStatusSuccess);
}

TEST_F(DriverTest, ReportsBeyondTheRangeGiveANegativeRemainingTime) {
  TestJobs jobs(folder, 1, 10, view);
  SetFakeScript("12 12 1 1");
  ConversionDriver driver(view, kReporter);
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(PollUntilEncoded(driver, 12));
  for (int i = 0; i < 10; ++i) driver.onProgressTimer();
  EXPECT_EQ(view.status(0), "120.00%");
  EXPECT_EQ(view.remaining, "00:00:-0.17");  // -20 / 120 of one second
  EXPECT_EQ(view.positions.back(), 12000);
  driver.stop();
  ASSERT_TRUE(RunWhileTimersRun(driver, view));
  EXPECT_EQ(view.status(0), kStatusSuccess);
}

TEST_F(DriverTest, ARangeRunningPastTheSourceIsMeasuredAgainstWhatTheSourceHolds) {
  TestJobs jobs(folder, 1, 30, view);
  jobs[0].trim_begin = 20;
  jobs[0].trim_end = 40;  // ten seconds past the end of the source
  SetFakeScript("10 10 1 1");  // reports the source's last ten seconds, then holds
  ConversionDriver driver(view, kReporter);
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(PollUntilEncoded(driver, 10));
  driver.onProgressTimer();
  EXPECT_TRUE(sawSummaryWith("Completed:  100.00%"));
  driver.stop();
  ASSERT_TRUE(RunWhileTimersRun(driver, view));
  EXPECT_EQ(view.status(0), kStatusSuccess);
}

TEST_F(DriverTest, AnEncoderThatEndsBadlyFailsWhateverItReported) {
  struct Case {
    const char* script;
    const char* reason;
  };
  for (const Case& c : {Case{"40 abort", "the encoder was ended by signal 6"},
                        Case{"40 3", "fake: the disk is full"}}) {
    view = RecordingView{};
    TestJobs jobs(folder, 1, 40, view);
    convertAll(jobs, kCrasher, c.script);
    EXPECT_EQ(view.status(0), kStatusFailed) << c.script;
    EXPECT_STREQ(jobs[0].fail_reason, c.reason);
  }
}

TEST_F(DriverTest, AnEncoderThatNeverReportsFailsAndLeavesTheBarAlone) {
  TestJobs jobs(folder, 1, 40, view);
  convertAll(jobs, kSilent, "");
  EXPECT_EQ(view.status(0), kStatusFailed);
  EXPECT_EQ(view.positions, (std::vector<int>{0, 0}));  // only the job's start and the run's end
  EXPECT_EQ(view.remaining, kIdleClock);
  EXPECT_STREQ(jobs[0].fail_reason, "the encoder wrote only 0% of the range");
}

TEST_F(DriverTest, ASourceWithoutSoundFailsAnAudioProfileWithThatReason) {
  TestJobs jobs(folder, 2, 40, view);
  jobs[0].profile = jobs[1].profile = ProfileFromMenuId(11500);
  ASSERT_EQ(jobs[0].profile->videoCodecCount, 0);
  jobs[1].audio_streams = 1;
  convertAll(jobs, kSilent, "");
  EXPECT_STREQ(jobs[0].fail_reason, "the source has no audio stream to convert");
  EXPECT_STREQ(jobs[1].fail_reason, "the encoder wrote only 0% of the range");
}

TEST_F(DriverTest, AnEmptyListDoesNothingVisible) {
  ConversionDriver driver(view, kReporter);
  EXPECT_EQ(driver.convert(nullptr), kNoJobStarted);
  EXPECT_TRUE(view.statuses.empty());
  EXPECT_TRUE(view.convertingShown.empty());
  EXPECT_TRUE(view.summaries.empty());
  EXPECT_FALSE(view.timersRunning);
}

TEST_F(DriverTest, EveryConvertWalksTheListFromTheStart) {
  TestJobs jobs(folder, 2, 10, view);
  convertAll(jobs, kReporter, "10 5 1");
  convertAll(jobs, kReporter, "4 4 1");
  EXPECT_EQ(view.results(0), (std::vector<std::string>{kStatusSuccess, kStatusFailed}));
  EXPECT_EQ(view.results(1), (std::vector<std::string>{kStatusSuccess, kStatusFailed}));
  EXPECT_EQ(jobs[0].out_name, std::string("clip0(0)"));  // the first run's output exists
}

// One Convert converts each job once, whatever its result: a chain of jobs
// that leads back to a job of the run, or a lane that is handed such a job
// again, ends the run there instead of converting it a second time.
class OneConversionPerJob : public DriverTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(OneConversionPerJob, AChainLeadingBackToAConvertedJobEndsTheRun) {
  TestJobs jobs(folder, 2, 10, view);
  jobs[1].next = &jobs[0];
  SetFakeScript(GetParam());
  ConversionDriver driver(view, kReporter);
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  // A Convert that was queued behind the first one meets the running run.
  const bool ended = RunWhileTimersRun(driver, view, [&] { EXPECT_EQ(driver.convert(jobs.first()), kNoJobStarted); },
                                       5000);
  jobs[1].next = nullptr;  // the list frees its jobs along the chain
  ASSERT_TRUE(ended) << "the run never ended";
  EXPECT_EQ(view.results(0).size(), 1u);
  EXPECT_EQ(view.results(1).size(), 1u);
  EXPECT_EQ(view.convertingShown, (std::vector<bool>{true, false}));
}

TEST_P(OneConversionPerJob, ALaneHandedAJobItHasTakenAlreadyEnds) {
  TestJobs jobs(folder, 1, 10, view);
  SetFakeScript(GetParam());
  ConversionDriver driver(view, kReporter);
  int handedOut = 0;
  driver.takeJobsFrom([&] {
    ++handedOut;
    return jobs.first();
  });
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(driver, view, {}, 5000)) << "the run never ended";
  EXPECT_EQ(handedOut, 1);
  EXPECT_EQ(view.results(0).size(), 1u);

  // The next Convert is a run of its own: the job converts again, once.
  ASSERT_EQ(driver.convert(jobs.first()), kJobStarted);
  ASSERT_TRUE(RunWhileTimersRun(driver, view, {}, 5000));
  EXPECT_EQ(view.results(0).size(), 2u);
}

// A job that succeeds and one that fails.
INSTANTIATE_TEST_SUITE_P(WhateverTheResult, OneConversionPerJob, ::testing::Values("10 5 1", "4 4 1"));

}  // namespace
}  // namespace orva::test
