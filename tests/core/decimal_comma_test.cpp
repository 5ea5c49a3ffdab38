// Numbers written for and read from the probe, the encoder, the player and
// the window's clock texts keep a dot in a decimal-comma locale, where the
// C library itself writes 2.5 as "2,5" and reads "6.16" as 6.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "app/job_item.h"
#include "decimal_comma_locale.h"
#include "engine/conversion_driver.h"
#include "engine/encoder_command.h"
#include "engine/media_probe.h"
#include "engine/number_text.h"
#include "engine/output_naming.h"
#include "player/player_launch.h"
#include "test_support.h"

namespace orva {
namespace {

class DecimalCommaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    ASSERT_TRUE(test::UseDecimalCommaLocale(why)) << why;
  }
  void TearDown() override { test::LeaveDecimalCommaLocale(); }
};

TEST_F(DecimalCommaTest, FixedTextWritesADotAndNoGrouping) {
  EXPECT_EQ(FixedText(2.5, 6), "2.500000");
  EXPECT_EQ(FixedText(1234567.5, 1), "1234567.5");
  EXPECT_EQ(FixedText(0.125, 2), "0.12");  // a tie rounds to even, as "%.2f" does
  EXPECT_EQ(FixedText(-0.25, 1), "-0.2");
  EXPECT_EQ(FixedText(6.16, 2, 7), "   6.16");
  EXPECT_EQ(FixedText(12345678.5, 0, 7), "12345678");  // wider than asked: not cut
  EXPECT_EQ(ZeroFilledFixedText(2.5, 2, 5), "02.50");
  EXPECT_EQ(ZeroFilledFixedText(-2.5, 2, 6), "-02.50");
  EXPECT_EQ(ZeroFilledFixedText(59.999, 2, 5), "60.00");
  EXPECT_EQ(FixedText(std::numeric_limits<double>::infinity(), 2), "inf");
}

TEST_F(DecimalCommaTest, ReadDecimalReadsAsStrtodDoesInTheCLocale) {
  const char* end = nullptr;
  EXPECT_DOUBLE_EQ(ReadDecimal("   6.16"), 6.16);
  EXPECT_DOUBLE_EQ(ReadDecimal("+2.5x", &end), 2.5);
  EXPECT_STREQ(end, "x");
  EXPECT_DOUBLE_EQ(ReadDecimal("-.5"), -0.5);
  EXPECT_DOUBLE_EQ(ReadDecimal("3."), 3.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("1e3s"), 1000.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("6,16"), 6.0);  // a comma ends the number, as in "C"
  const char* none = "N/A";
  EXPECT_EQ(ReadDecimal(none, &end), 0.0);
  EXPECT_EQ(end, none);
  const char* huge = "1e999";
  EXPECT_EQ(ReadDecimal(huge, &end), 0.0);
  EXPECT_EQ(end, huge);
  EXPECT_EQ(ReadDecimal("+-1", &end), 0.0);
  EXPECT_EQ(ReadDecimal(nullptr), 0.0);
}

TEST_F(DecimalCommaTest, TheEncoderIsToldTheTrimRangeWithADot) {
  test::ScratchFolder folder;
  JobItem job{};
  std::snprintf(job.path, sizeof job.path, "%s", folder.file("a.avi").c_str());
  SplitJobPath(job);
  job.duration = 10;
  job.trim_begin = 2.25;
  job.trim_end = 8.5;
  job.profile = &test::VideoTestProfile();
  char line[kCommandCapacity] = "";
  ASSERT_EQ(BuildEncoderCommand("/opt/orva/cv.dat", job, line), kCommandBuilt);
  const std::string command = line;
  EXPECT_NE(command.find("  -ss 2.250000 -i "), std::string::npos) << command;
  EXPECT_NE(command.find("  -t 6.250000 -y "), std::string::npos) << command;
  // The profile's own items pass unchanged.
  EXPECT_NE(command.find(" -r 29.97 "), std::string::npos) << command;
}

TEST_F(DecimalCommaTest, ThePlayerStartsAtTheBeginAndItsPositionsKeepTheirFractions) {
  ToolRunner runner;
  PlayerLaunch launch;
  std::snprintf(runner.programPath, sizeof runner.programPath, "/opt/orva/py.dat");
  std::snprintf(launch.source_path, sizeof launch.source_path, "/media/a.avi");
  runner.context = &launch;
  launch.start_time = 6;
  launch.start_paused = true;
  ASSERT_EQ(PlayerBuildCommand(runner), 0);
  EXPECT_NE(std::string(runner.commandLine).find(" -sp  -ss 6.000000 -autoexit"), std::string::npos)
      << runner.commandLine;
  std::snprintf(runner.readBuffer, sizeof runner.readBuffer, "ct:   6.16\n");
  PlayerOnOutput(runner);
  EXPECT_DOUBLE_EQ(launch.current_time, 6.16);
  ReleaseOutputLines(runner);
}

TEST_F(DecimalCommaTest, ProbeReportsAndEncoderProgressAreReadWithTheirFractions) {
  ProbeRecord record;
  ParseProbeReport(
      "[STREAM]\ncodec_type=video\nwidth=320\nheight=240\n[/STREAM]\n"
      "[STREAM]\ncodec_type=audio\nduration=N/A\nTAG:DURATION=00:01:02.500000000\n[/STREAM]\n"
      "[FORMAT]\nduration=12.345000\n[/FORMAT]\n",
      record);
  EXPECT_DOUBLE_EQ(record.duration, 12.345);
  EXPECT_DOUBLE_EQ(record.audioDuration, 62.5);

  ToolRunner runner;
  ConversionState state;
  runner.context = &state;
  std::snprintf(runner.readBuffer, sizeof runner.readBuffer, "frame= 80 time=3.25 bitrate=1k\r");
  EncoderOnOutput(runner);
  EXPECT_DOUBLE_EQ(state.encodedSeconds, 3.25);
  EncoderOnFinish(runner);
}

TEST_F(DecimalCommaTest, ClockAndSizeTextsKeepTheProgramsOwnFormat) {
  EXPECT_EQ(FormatClock(2.0), "00:00:02.00");
  EXPECT_EQ(FormatClock(3725.5), "01:02:05.50");
  JobItem job{};
  job.profile = &test::VideoTestProfile();
  job.trim_end = 10;
  EstimateOutputSize(job);
  const std::string size = job.size_text;
  EXPECT_EQ(size.find(','), std::string::npos) << size;
  EXPECT_NE(size.find('.'), std::string::npos) << size;
}

}  // namespace
}  // namespace orva
