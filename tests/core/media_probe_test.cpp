#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "engine/media_probe.h"
#include "test_support.h"

namespace orva {
namespace {

using test::ScratchFolder;

TEST(ParseProbeReport, FormatDurationAndFirstSizeKeys) {
  ProbeRecord record{};
  ParseProbeReport(
      "[STREAM]\ncodec_name=mpeg2video\ncodec_type=video\ncoded_width=720\nwidth=640\nheight=480\n"
      "duration=99.000000\n[/STREAM]\n[STREAM]\ncodec_type=audio\n[/STREAM]\n"
      "[FORMAT]\nfilename=a.mpg\nduration=12.480000\nsize=1000\n[/FORMAT]\n",
      record);
  EXPECT_DOUBLE_EQ(record.duration, 12.48);
  EXPECT_EQ(record.width, 640);  // the plain key, not the coded width
  EXPECT_EQ(record.height, 480);
  EXPECT_EQ(record.audioStreams, 1);
}

TEST(ParseProbeReport, KeysInsideAFileNameAreNotRead) {
  ProbeRecord record{};
  ParseProbeReport(
      "[STREAM]\ncodec_type=audio\n[/STREAM]\n[FORMAT]\n"
      "filename=/m/x duration=999 width=9 height=9 codec_type=audio [FORMAT].mp4\n"
      "duration=3.500000\n[/FORMAT]\n",
      record);
  EXPECT_DOUBLE_EQ(record.duration, 3.5);
  EXPECT_EQ(record.width, 0);
  EXPECT_EQ(record.height, 0);
  EXPECT_EQ(record.audioStreams, 1);
}

TEST(ParseProbeReport, NoUsableFormatDuration) {
  ProbeRecord record{};
  ParseProbeReport("[STREAM]\nwidth=640\nheight=480\nduration=5.0\n[/STREAM]\n"
                   "[FORMAT]\nduration=N/A\n[/FORMAT]\n", record);
  EXPECT_EQ(record.duration, 0);

  record = {};
  ParseProbeReport("[STREAM]\nwidth=640\nheight=480\n[/STREAM]\n[FORMAT]\nsize=1\n[/FORMAT]\n"
                   "duration=7.0\n", record);
  EXPECT_EQ(record.duration, 0);  // a duration after the section does not count
  EXPECT_EQ(record.width, 0);

  record = {};
  ParseProbeReport("width=640\nduration=3.0\n", record);  // no format section
  EXPECT_EQ(record.duration, 0);
}

TEST(ParseProbeReport, MainAudioLength) {
  const char* format = "[FORMAT]\nduration=40.0\n[/FORMAT]\n";
  ProbeRecord record{};
  ParseProbeReport((std::string("[STREAM]\ncodec_type=video\nduration=40.0\n[/STREAM]\n"
                                "[STREAM]\ncodec_type=audio\nduration=25.5\n"
                                "DISPOSITION:default=0\n[/STREAM]\n"
                                "[STREAM]\ncodec_type=audio\nduration=N/A\n"
                                "TAG:DURATION=00:01:02.500000000\nDISPOSITION:default=1\n[/STREAM]\n"
                                "[STREAM]\ncodec_type=audio\nduration=9.0\n"
                                "DISPOSITION:default=1\n[/STREAM]\n") + format).c_str(),
                   record);
  EXPECT_DOUBLE_EQ(record.audioDuration, 62.5);  // the first default one, from its tag

  record = {};
  ParseProbeReport((std::string("[STREAM]\ncodec_type=audio\nduration=25.5\n[/STREAM]\n"
                                "[STREAM]\ncodec_type=audio\nduration=30.0\n[/STREAM]\n") + format).c_str(),
                   record);
  EXPECT_DOUBLE_EQ(record.audioDuration, 25.5);  // none marked default: the first

  record = {};
  ParseProbeReport((std::string("[STREAM]\ncodec_type=video\nduration=40.0\n[/STREAM]\n") + format).c_str(),
                   record);
  EXPECT_EQ(record.audioDuration, 0);
}

// Probes real files through the program folder's probe.
class MediaProbeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::snprintf(ProbeRunner().programPath, sizeof ProbeRunner().programPath, "%s/pb.dat",
                  ORVA_PROGRAM_FOLDER);
  }
  ~MediaProbeTest() override { jobs.freeAll(); }
  ScratchFolder folder;
  JobList jobs;
};

TEST_F(MediaProbeTest, VideoWithSoundBecomesAJob) {
  const std::string clip = folder.file("clip one.mkv");
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 "
                              "-f lavfi -i sine=duration=2 -c:v mpeg4 -c:a mp2 -shortest \"" +
                              clip + "\""));
  Profile& profile = test::VideoTestProfile();
  currentProfile = &profile;
  ASSERT_EQ(ProbeAndAddFile(clip.c_str(), jobs), 0);
  ASSERT_EQ(jobs.count(), 1);
  const JobItem& job = *jobs.head;
  EXPECT_NEAR(job.duration, 2.0, 0.1);
  EXPECT_EQ(job.trim_begin, 0);
  EXPECT_EQ(job.trim_end, job.duration);
  EXPECT_EQ(job.width, 320);
  EXPECT_EQ(job.height, 240);
  EXPECT_EQ(job.profile, &profile);
  EXPECT_STREQ(job.name, "clip one");
  EXPECT_STREQ(job.ext, ".mkv");
  EXPECT_EQ(std::string(job.dir), folder.path() + "/");
  EXPECT_STREQ(job.duration_text, FormatClock(job.duration).c_str());
  EXPECT_STRNE(job.size_text, "");
}

TEST_F(MediaProbeTest, SoundOnlyHasNoPictureSize) {
  const std::string clip = folder.file("tone.wav");
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i sine=duration=1.5 \"" + clip + "\""));
  currentProfile = &test::AudioTestProfile();
  ASSERT_EQ(ProbeAndAddFile(clip.c_str(), jobs), 0);
  EXPECT_NEAR(jobs.head->duration, 1.5, 0.05);
  EXPECT_EQ(jobs.head->width, 0);
  EXPECT_EQ(jobs.head->height, 0);
  EXPECT_EQ(jobs.head->audio_streams, 1);
}

TEST_F(MediaProbeTest, ANameHoldingADurationKeyIsMeasuredByItsContent) {
  const std::string clip = folder.file("x duration=999.wav");
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i sine=duration=1.5 \"" + clip + "\""));
  currentProfile = &test::AudioTestProfile();
  ASSERT_EQ(ProbeAndAddFile(clip.c_str(), jobs), 0);
  EXPECT_NEAR(jobs.head->duration, 1.5, 0.05);
}

TEST_F(MediaProbeTest, FilesWithoutDurationAreSkipped) {
  const std::string text = folder.file("notes.txt");
  std::ofstream(text) << "just some words\n";
  EXPECT_EQ(ProbeAndAddFile(text.c_str(), jobs), 1);

  // Raw video piped out has no known length.
  const std::string raw = folder.file("stream.h264");
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i testsrc=duration=1 -c:v libx264 -f h264 \"" + raw + "\""));
  EXPECT_EQ(ProbeAndAddFile(raw.c_str(), jobs), 1);
  EXPECT_EQ(ProbeAndAddFile(folder.file("missing.avi").c_str(), jobs), 1);
  EXPECT_EQ(jobs.count(), 0);
}

// Quotes cannot pass the rest of a name off as options of the probe; only a
// path too long for the children's path fields is refused.
TEST_F(MediaProbeTest, NamesWithQuotesAreMeasuredAndOnlyTooLongPathsRefused) {
  currentProfile = &test::AudioTestProfile();
  const std::string quoted = folder.file(R"(a" -version \" b\.wav)");
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i sine=duration=1 " + test::ShellQuoted(quoted)));
  ASSERT_EQ(ProbeAndAddFile(quoted.c_str(), jobs), 0);
  EXPECT_NEAR(jobs.head->duration, 1.0, 0.05);
  EXPECT_STREQ(jobs.head->path, quoted.c_str());
  EXPECT_EQ(CheckPassablePath(quoted.c_str()), kPathPassable);

  const std::string tooLong = folder.path() + "/" + std::string(250, 'x') + ".wav";
  EXPECT_EQ(CheckPassablePath(tooLong.c_str()), kPathTooLong);
  EXPECT_EQ(ProbeAndAddFile(tooLong.c_str(), jobs), 1);
  EXPECT_EQ(jobs.count(), 1);
}

TEST_F(MediaProbeTest, MissingProbeProgramIsAFailureToStart) {
  ToolRunner& runner = ProbeRunner();
  const std::string saved = runner.programPath;
  std::snprintf(runner.programPath, sizeof runner.programPath, "%s", folder.file("pb.dat").c_str());
  EXPECT_EQ(ProbeAndAddFile("/tmp/any.avi", jobs), -1);
  std::snprintf(runner.programPath, sizeof runner.programPath, "%s", saved.c_str());
}

}  // namespace
}  // namespace orva
