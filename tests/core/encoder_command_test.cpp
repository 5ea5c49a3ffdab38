#include <gtest/gtest.h>

#include "engine/command_line.h"
#include "engine/encoder_command.h"
#include "engine/output_naming.h"
#include "test_support.h"

namespace orva {
namespace {

using test::ScratchFolder;

class EncoderCommandTest : public ::testing::Test {
 protected:
  EncoderCommandTest() : profile(test::VideoTestProfile()) {
    std::snprintf(job.path, sizeof job.path, "%s", folder.file("a.avi").c_str());
    SplitJobPath(job);
    job.duration = 100;
    job.trim_end = 100;
    job.profile = &profile;
  }

  std::string build() {
    char line[kCommandCapacity] = "untouched";
    const int result = BuildEncoderCommand("/opt/orva/cv.dat", job, line);
    if (result != kCommandBuilt) return "<refused " + std::to_string(result) + ":" + std::string(line) + ">";
    return line;
  }
  std::string source() const { return "\"" + folder.file("a.avi") + "\""; }
  std::string output(const char* name = "a.mp4") const { return "\"" + folder.file(name) + "\""; }

  ScratchFolder folder;
  Profile profile;
  JobItem job{};
};

constexpr char kOptions[] =
    "-y -vcodec mpeg4 -s 320x240 -b 640K -r 29.97 -acodec libvo_aacenc -ab 128K -ar 48000 -ac 2 ";

TEST_F(EncoderCommandTest, UntrimmedJob) {
  EXPECT_EQ(build(), "\"/opt/orva/cv.dat\" -i " + source() + " " + kOptions + output());
  EXPECT_STREQ(job.out_name, "a");
}

TEST_F(EncoderCommandTest, TrimRangeSeeksBeforeTheInputAndLimitsAfterIt) {
  job.trim_begin = 10;
  job.trim_end = 30;
  EXPECT_EQ(build(), "\"/opt/orva/cv.dat\"  -ss 10.000000 -i " + source() +
                         "  -t 20.000000 " + kOptions + output());
  job.trim_end = 100;
  job.trim_begin = 5;
  EXPECT_EQ(build(), "\"/opt/orva/cv.dat\"  -ss 5.000000 -i " + source() + " " + kOptions + output());
  job.trim_end = 120;  // past the end: no length limit
  EXPECT_EQ(build().find("-t "), std::string::npos);
}

TEST_F(EncoderCommandTest, GeneralAndHdProfilesAskTheEncoderForEveryAudioTrack) {
  for (const char* name : {"General Video", "HD Video"}) {
    ProfileCategory category{name, {}, 1, 11};
    profile.category = &category;
    EXPECT_EQ(build(), "\"/opt/orva/cv.dat\" -tracks all -i " + source() + " " + kOptions + output()) << name;
  }
  ProfileCategory web{"Web Video", {}, 1, 12};
  profile.category = &web;
  EXPECT_EQ(build(), "\"/opt/orva/cv.dat\" -i " + source() + " " + kOptions + output());
}

TEST_F(EncoderCommandTest, AudioOnlyProfileDisablesVideo) {
  job.profile = &test::AudioTestProfile();
  EXPECT_EQ(build(), "\"/opt/orva/cv.dat\" -i " + source() +
                         "  -vn -y -acodec libmp3lame -ab 128K -ar 44100 -ac 2 " + output("a.mp3"));
}

TEST_F(EncoderCommandTest, OnlyExactAutoIsLeftOut) {
  VideoCodecEntry& video = profile.videoCodecs[0];
  AudioCodecEntry& audio = profile.audioCodecs[0];
  video.aspectRatioIndex = 2;  // "16:9"
  video.frameRateIndex = 0;    // "Auto"
  EXPECT_NE(VideoOptions(profile).find("-aspect 16:9 "), std::string::npos);
  EXPECT_EQ(VideoOptions(profile).find("-r "), std::string::npos);

  audio.audioBitrateIndex = 0;  // "Auto"
  audio.channelIndex = 1;       // "Auto"
  EXPECT_EQ(AudioOptions(profile), "-acodec libvo_aacenc -ar 48000 ");
  audio.channelIndex = 2;
  EXPECT_EQ(AudioOptions(profile), "-acodec libvo_aacenc -ar 48000 -ac 1 ");
  audio.channelIndex = 3;
  EXPECT_EQ(AudioOptions(profile), "-acodec libvo_aacenc -ar 48000 -ac 5.1 ");
  audio.channelIndex = 4;  // "auto" is no channel layout we know
  EXPECT_EQ(AudioOptions(profile), "-acodec libvo_aacenc -ar 48000 ");
}

// Quotes and backslashes in the names reach the encoder as they are, and
// cannot pass the rest of a name off as options of its own.
TEST_F(EncoderCommandTest, NamesWithQuotesAndBackslashesReachTheEncoderWhole) {
  const std::string source = folder.file(R"(say "hi" -f null \".avi)");
  std::snprintf(job.path, sizeof job.path, "%s", source.c_str());
  SplitJobPath(job);
  char line[kCommandCapacity];
  ASSERT_EQ(BuildEncoderCommand(R"(/opt/or"va\cv.dat)", job, line), kCommandBuilt);
  const std::vector<std::string> arguments = SplitCommandLine(line);
  ASSERT_EQ(arguments.size(), 21u) << line;
  EXPECT_EQ(arguments[0], R"(/opt/or"va\cv.dat)");
  EXPECT_EQ(arguments[2], source);
  EXPECT_EQ(arguments.back(), folder.file(R"(say "hi" -f null \".mp4)"));
}

TEST_F(EncoderCommandTest, RefusesACommandTooLongToRunWhole) {
  // Options too long for the 1023 characters of a command line.
  const std::string longEncoder = "mpeg4 " + std::string(900, 'o');
  profile.videoCodecs[0].encoderName = longEncoder.c_str();
  EXPECT_EQ(build(), "<refused 4:untouched>");
  EXPECT_STREQ(CommandFailureText(kCommandTooLong), "the encoder command would be longer than 1023 characters");
}

TEST_F(EncoderCommandTest, ReservedOutputsCountAsTaken) {
  char line[kCommandCapacity];
  const ReservedPaths reserved = {folder.file("a.mp4")};
  ASSERT_EQ(BuildEncoderCommand("/opt/orva/cv.dat", job, line, &reserved), kCommandBuilt);
  EXPECT_STREQ(job.out_name, "a(0)");
}

TEST_F(EncoderCommandTest, BuildCommandNeedsACurrentJob) {
  ConversionState state;
  ToolRunner runner;
  runner.context = &state;
  std::snprintf(runner.programPath, sizeof runner.programPath, "/opt/orva/cv.dat");
  std::snprintf(runner.commandLine, sizeof runner.commandLine, "old");
  EXPECT_EQ(EncoderBuildCommand(runner), -1);
  EXPECT_STREQ(runner.commandLine, "old");
  state.currentJob = &job;
  EXPECT_EQ(EncoderBuildCommand(runner), 0);
  EXPECT_EQ(std::string(runner.commandLine), build());
}

}  // namespace
}  // namespace orva
