// Reading the encoder's progress reports, and the arithmetic of progress.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/conversion_driver.h"
#include "engine/conversion_progress.h"
#include "engine/conversion_texts.h"
#include "engine/output_naming.h"

namespace orva {
namespace {

class EncoderOutputTest : public ::testing::Test {
 protected:
  EncoderOutputTest() { runner.context = &state; }
  ~EncoderOutputTest() override { EncoderOnFinish(runner); }

  void feed(const char* chunk) {
    std::snprintf(runner.readBuffer, sizeof runner.readBuffer, "%s", chunk);
    EncoderOnOutput(runner);
  }

  ToolRunner runner;
  ConversionState state;
};

TEST_F(EncoderOutputTest, ReadsTheNewestCompleteReportOnly) {
  feed("frame= 1 time=12.48 bitrate=1k\rframe= 2 time=13");
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 12.48);  // the half report waits
  feed(".50 bitrate=1k\r");
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 13.5);
  feed("[q] command received. Exiting.\n");
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 13.5);  // a line without "time=" changes nothing
}

TEST_F(EncoderOutputTest, AMessageAfterAReportDoesNotHideIt) {
  feed("frame= 1 time=0.04 bitrate=1k\r");
  feed("frame= 60 time=2.02 bitrate=545k\rLast message repeated 3 times\n");
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 2.02);
  EXPECT_STREQ(state.lastMessage, "Last message repeated 3 times");
  feed("frame= 70 time=2.5\rclipping 1 dct coeff");
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 2.5);
  feed("icients\nframe= 80 time=3.0\rmore\nand more\n");
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 3.0);
  EXPECT_STREQ(state.lastMessage, "and more");
}

TEST_F(EncoderOutputTest, TheNameTheEncoderWroteBecomesTheJobsOutputName) {
  JobItem job{};
  Profile profile{};
  profile.extensions = ".mp4\0";
  job.profile = &profile;
  std::snprintf(job.out_dir, sizeof job.out_dir, "/out");
  std::snprintf(job.out_name, sizeof job.out_name, "a");
  state.currentJob = &job;
  feed("output written as: /elsewhere/a(0).mp4\n");  // not the job's folder: ignored
  EXPECT_STREQ(job.out_name, "a");
  feed("output written as: /out/a(0).mp4\ntime=1\r");
  EXPECT_STREQ(job.out_name, "a(0)");
  EXPECT_STREQ(state.lastMessage, "");  // no message of trouble
}

TEST_F(EncoderOutputTest, ANameUnderAnotherExtensionIsTheOutputsNewPath) {
  JobItem job{};
  Profile profile{};
  profile.extensions = ".mp4\0";
  job.profile = &profile;
  std::snprintf(job.out_dir, sizeof job.out_dir, "/out");
  std::snprintf(job.out_name, sizeof job.out_name, "a");
  state.currentJob = &job;
  feed("output written as: /out/a.wmv\n");
  EXPECT_EQ(OutputPathOf(job), "/out/a.wmv");
  feed("output written as: /out/sub/a.wmv\noutput written as: /out/noextension\n");
  EXPECT_EQ(OutputPathOf(job), "/out/a.wmv");  // not a name in the job's folder
  feed("output written as: /out/a(0).mp4\n");
  EXPECT_EQ(OutputPathOf(job), "/out/a(0).mp4");
  EXPECT_STREQ(job.out_ext, "");
}

TEST_F(EncoderOutputTest, TheFinishingLineMarksTheJobAndKeepsTheReports) {
  feed("frame= 50 time=40.00 b=1\rfinishing: moving the index to the front of the file\n");
  EXPECT_TRUE(state.finishing);
  EXPECT_STREQ(state.lastMessage, "");  // not a reason for a failure
  feed("frame= 50 time=40.00 b=1\r");
  EXPECT_TRUE(state.finishing);
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 40);
}

TEST_F(EncoderOutputTest, AClockTimeReadsAsTheNumberBeforeItsFirstColon) {
  feed("size= 16kB time=00:00:05.00 bitrate=1k\r");
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 0);
}

TEST_F(EncoderOutputTest, FinishReleasesTheLineAssembly) {
  feed("time=1\r");
  EncoderOnFinish(runner);
  EXPECT_EQ(state.splitter.lastLine, nullptr);
  EXPECT_EQ(state.splitter.pending, nullptr);
}

JobItem Job(double duration, double begin, double end) {
  JobItem job{};
  job.duration = duration;
  job.trim_begin = begin;
  job.trim_end = end;
  return job;
}

TEST(ConversionProgressTest, MeasuresOnlyThePartOfTheRangeInsideTheSource) {
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(Job(100, 10, 30)), 20);
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(Job(30, 20, 40)), 10);
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(Job(30, 35, 95)), 60);  // nothing inside: the whole range
  EXPECT_DOUBLE_EQ(JobPercent(Job(40, 0, 40), 36), 90);
}

TEST(ConversionProgressTest, AnAudioOnlyOutputEndsWithTheSourcesAudio) {
  Profile audioOnly{};
  Profile video{};
  video.videoCodecCount = 1;
  JobItem job = Job(40, 0, 40);
  job.audio_duration = 25;
  job.profile = &audioOnly;
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(job), 25);
  EXPECT_DOUBLE_EQ(JobPercent(job, 25), 100);
  job.trim_begin = 10;
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(job), 15);
  job.profile = &video;  // the picture goes on to the end
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(job), 30);
  job.profile = &audioOnly;
  job.audio_duration = 0;  // length unknown: the whole source counts
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(job), 30);
  job.audio_duration = 45;  // audio outlasting the container changes nothing
  EXPECT_DOUBLE_EQ(ConvertibleSeconds(job), 30);
}

TEST(ConversionProgressTest, JudgesTheShareWrittenAndHowTheEncoderEnded) {
  ExitStatus clean{true, true, 0, 0};
  ExitStatus failed{true, true, 1, 0};
  ExitStatus killed{true, false, 0, 6};
  ExitStatus unknown{};
  EXPECT_STREQ(JudgeJob(88, clean, false), kStatusSuccess);
  EXPECT_STREQ(JudgeJob(87.5, clean, false), kStatusFailed);
  EXPECT_STREQ(JudgeJob(std::nan(""), clean, false), kStatusSuccess);
  EXPECT_STREQ(JudgeJob(100, failed, false), kStatusFailed);
  EXPECT_STREQ(JudgeJob(100, killed, false), kStatusFailed);
  EXPECT_STREQ(JudgeJob(100, unknown, false), kStatusSuccess);
  EXPECT_STREQ(JudgeJob(95, failed, true), kStatusSuccess);  // a stop keeps what was written
}

TEST(ConversionProgressTest, ExtrapolatesTheRemainingTimeAndTheBar) {
  EXPECT_DOUBLE_EQ(RemainingSeconds(25.0f, 10), 30);
  EXPECT_LT(RemainingSeconds(120.0f, 1), 0);
  EXPECT_EQ(ProgressPosition(7.25f), 725);
  EXPECT_EQ(ProgressPosition(99.999f), 9999);
}

TEST(ConversionProgressTest, ExtremeValuesStayDefined) {
  EXPECT_EQ(ProgressPosition(std::nanf("")), 0);
  EXPECT_EQ(ProgressPosition(INFINITY), 2000000000);
  EXPECT_EQ(ProgressPosition(-3e38f), -2000000000);
  // A remaining time from a tiny share done: huge, but a defined clock text.
  const double huge = RemainingSeconds(1e-30f, 1e10);
  EXPECT_EQ(FormatClock(huge), "277777777:46:40.00");
  EXPECT_EQ(FormatClock(-INFINITY), "-277777777:-46:-40.00");
  EXPECT_EQ(FormatClock(std::nan("")), "00:00:00.00");
}

TEST_F(EncoderOutputTest, WhatWasNotKeptIsGatheredOnTheJobAndIsNoReasonForAFailure) {
  JobItem job{};
  state.currentJob = &job;
  feed("not kept: subtitles (AVI holds none)\nframe= 1 time=0.50 b=1\r");
  EXPECT_STREQ(job.not_kept, "not kept: subtitles (AVI holds none)");
  feed("not kept: chapters (AVI holds none)\n");
  EXPECT_STREQ(job.not_kept, "not kept: subtitles (AVI holds none); chapters (AVI holds none)");
  EXPECT_STREQ(state.lastMessage, "");
  // A note that no longer fits the record is left out whole, never cut.
  feed(("not kept: " + std::string(300, 'x') + "\n").c_str());
  EXPECT_STREQ(job.not_kept, "not kept: subtitles (AVI holds none); chapters (AVI holds none)");
}

}  // namespace
}  // namespace orva
