#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/probe_session.h"
#include "running_processes.h"
#include "stand_in_probe.h"
#include "test_support.h"

namespace orva {
namespace {

using test::ScratchFolder;

struct Measured {
  int result = -9;
  std::unique_ptr<JobItem> job;
};

Measured Measure(ProbeSession& session, const std::string& path, const KeepWaiting& keepWaiting = {}) {
  Measured measured;
  measured.job.reset(session.measure(path.c_str(), measured.result, keepWaiting));
  return measured;
}

// The session's protocol, against a stand-in probe that counts its starts.
using ProbeSessionTest = test::StandInProbeTest;

TEST_F(ProbeSessionTest, OneProgramMeasuresAWholeBatchAndANewOneFollowsACrash) {
  ProbeSession session(probe);
  for (const std::string path : {"/m/a.mp4", "/m/b c.wav", "/m/line\nbreak.mkv", "/m/tagged.long"}) {
    const Measured measured = Measure(session, path);
    ASSERT_NE(measured.job, nullptr) << path;
    EXPECT_EQ(measured.result, kProbeAdded);
    EXPECT_DOUBLE_EQ(measured.job->duration, 5.0);
    EXPECT_EQ(measured.job->audio_streams, 1);
    EXPECT_EQ(std::string(measured.job->path), path);
  }
  EXPECT_EQ(starts(), 1);

  // A program that dies half-way through a report measures nothing of it.
  const Measured crashed = Measure(session, "/m/broken.crash");
  EXPECT_EQ(crashed.job, nullptr);
  EXPECT_EQ(crashed.result, kProbeNoDuration);
  EXPECT_NE(Measure(session, "/m/after.mp4").job, nullptr);
  EXPECT_EQ(starts(), 2);

  // Closed between batches, the next file starts a program again.
  session.close();
  EXPECT_NE(Measure(session, "/m/later.mp4").job, nullptr);
  EXPECT_EQ(starts(), 3);
}

TEST_F(ProbeSessionTest, AnInterruptionEndsAProgramStuckOnAFileAtOnce) {
  ProbeSession session(probe);
  int asked = 0;
  const auto start = std::chrono::steady_clock::now();
  const Measured stuck = Measure(session, "/m/pipe.hang", [&asked] { return ++asked < 5; });
  EXPECT_EQ(stuck.job, nullptr);
  EXPECT_EQ(stuck.result, kProbeInterrupted);
  EXPECT_EQ(asked, 5);
  EXPECT_FALSE(test::ProcessMentions(probe));
  // Not the polite end a finished batch gets.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

  EXPECT_NE(Measure(session, "/m/next.mp4").job, nullptr);
  EXPECT_EQ(starts(), 2);
}

TEST_F(ProbeSessionTest, AMissingProgramIsAFailureToStartAndTooLongPathsAreRefused) {
  ProbeSession missing(folder.file("no-probe"));
  EXPECT_EQ(Measure(missing, "/m/a.mp4").result, kProbeNotStarted);

  ProbeSession session(probe);
  EXPECT_EQ(Measure(session, "/" + std::string(260, 'x') + ".mp4").result, kProbeNoDuration);
  EXPECT_EQ(starts(), 0);
}

// The batch probe against ffprobe over the same files: the jobs must be the
// same, or the command-line converter would convert what the window would not.
TEST(BatchProbeTest, MeasuresEveryKindOfSourceAsFfprobeDoes) {
  ScratchFolder folder;
  const std::string clip = folder.file("clip.mp4");
  const std::string twoTongues = folder.file("two tongues.mkv");
  const std::string cover = folder.file("cover.png");
  const std::string song = folder.file("song with art.mp3");
  const std::string raw = folder.file("raw.h264");
  const std::string text = folder.file("notes.txt");
  ASSERT_TRUE(test::MakeClip(clip, 1.5));
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i testsrc=size=176x144:rate=15:duration=2 -f lavfi -i sine=duration=2 "
                              "-f lavfi -i sine=f=880:duration=1 -map 0 -map 1 -map 2 -c:v mpeg4 -c:a:0 aac "
                              "-c:a:1 mp2 -disposition:a:0 0 -disposition:a:1 default " +
                              test::ShellQuoted(twoTongues)));
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i testsrc=size=64x64 -frames:v 1 " + test::ShellQuoted(cover)));
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i sine=duration=2 -i " + test::ShellQuoted(cover) +
                              " -map 0 -map 1 -c:a libmp3lame -c:v png -disposition:v attached_pic " +
                              test::ShellQuoted(song)));
  ASSERT_TRUE(test::RunFfmpeg("-f lavfi -i testsrc=duration=1 -c:v libx264 -f h264 " + test::ShellQuoted(raw)));
  std::ofstream(text) << "not media\n";

  currentProfile = &test::VideoTestProfile();
  ProbeSession session(std::string(ORVA_PROGRAM_FOLDER) + "/orva-probe");
  const std::string ffprobe = std::string(ORVA_PROGRAM_FOLDER) + "/pb.dat";
  for (const std::string& path : {clip, twoTongues, song, raw, text, folder.file("missing.avi")}) {
    SCOPED_TRACE(path);
    const Measured ours = Measure(session, path);
    int theirResult = -9;
    std::unique_ptr<JobItem> theirs(MeasureFile(path.c_str(), ffprobe.c_str(), theirResult));
    ASSERT_EQ(ours.result, theirResult);
    if (theirs == nullptr) continue;
    EXPECT_DOUBLE_EQ(ours.job->duration, theirs->duration);
    EXPECT_EQ(ours.job->width, theirs->width);
    EXPECT_EQ(ours.job->height, theirs->height);
    EXPECT_EQ(ours.job->audio_streams, theirs->audio_streams);
    EXPECT_DOUBLE_EQ(ours.job->audio_duration, theirs->audio_duration);
    EXPECT_EQ(SourceFactsWord(ours.job->source_facts), SourceFactsWord(theirs->source_facts));
    EXPECT_STREQ(ours.job->duration_text, theirs->duration_text);
  }
}

}  // namespace
}  // namespace orva
