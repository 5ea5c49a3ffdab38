// cv.dat as the converter runs it: progress, the quit command, failures and
// being ended from outside.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <thread>

#include "running_processes.h"
#include "encoder_test_support.h"
#include "iso_boxes.h"
#include "engine/process.h"

namespace orva::encoder::test {
namespace {

namespace fs = std::filesystem;

using orva::test::ProcessMentions;

bool WaitUntilGone(const std::string& text) {
  for (int i = 0; i < 200 && ProcessMentions(text); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return !ProcessMentions(text);
}

TEST(EncoderProgramTest, ConvertsAndReportsSecondsEndingInCr) {
  TempFolder folder;
  const std::string output = folder.file("out.mp4");
  const ChildResult run = RunChild(Mpeg4Command(SharedClip(), output));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("substituted: audio encoder libvo_aacenc -> aac"), std::string::npos);
  EXPECT_TRUE(std::regex_search(run.output, std::regex("time=[12]\\.[0-9][0-9] [^\r\n]*\r")))
      << run.output;
  EXPECT_EQ(run.output.find("time=00:"), std::string::npos);
  // ffmpeg's closing summary does not end the output: the final report does.
  ASSERT_GE(run.output.size(), 2u);
  const std::string lastLine = run.output.substr(run.output.find_last_of("\r\n", run.output.size() - 2) + 1);
  EXPECT_TRUE(std::regex_search(lastLine, std::regex("^[^\r\n]*time=[12]\\.[0-9][0-9][^\r\n]*\r$")))
      << lastLine;
  const MediaFacts facts = ProbeMedia(output);
  EXPECT_NEAR(facts.duration, 2.0, 0.5);
  EXPECT_EQ(facts.videoCodec, "mpeg4");
  EXPECT_EQ(facts.audioCodec, "aac");
  EXPECT_EQ(folder.fileCount(), 1);  // no temporary file left beside it
}

// Without -source-facts the encoder measures the source itself: the name
// reaches its probe and ffmpeg whole, quotes, backslashes and all.
TEST(EncoderProgramTest, ConvertsBetweenNamesHoldingQuotesAndBackslashes) {
  TempFolder folder;
  const std::string source = folder.file(R"(say "hi" \"x\" \.avi)");
  std::filesystem::copy_file(SharedClip(), source);
  const std::string output = folder.file(R"(out \"1\" "2"\.mp4)");
  const ChildResult run = RunChild(Mpeg4Command(source, output));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const MediaFacts facts = ProbeMedia(output);
  EXPECT_NEAR(facts.duration, 2.0, 0.5);
  EXPECT_EQ(facts.videoCodec, "mpeg4");
  EXPECT_EQ(folder.fileCount(), 2);  // the source and the output, no temporary file

  // Its probe read the source: it knows this one has no sound.
  const std::string silent = folder.file(R"(mute "v"\.avi)");
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=160x120:duration=1 -c:v mpeg4 " + orva::test::ShellQuoted(silent)));
  const ChildResult refused =
      RunChild(Quoted(EncoderProgram()) + " -i " + Quoted(silent) + " -vn -y -acodec libmp3lame " + Quoted(output + ".mp3"));
  EXPECT_NE(refused.exitCode, 0);
  EXPECT_NE(refused.output.find("the source has no audio stream to convert"), std::string::npos) << refused.output;
}

TEST(EncoderProgramTest, QuitCommandKeepsAPlayableShortenedFile) {
  TempFolder folder;
  const std::string source = folder.file("long.mkv");
  ASSERT_TRUE(MakeClip(source, 60));
  const std::string output = folder.file("short.mp4");
  const std::string command = Quoted(EncoderProgram()) + " -i " + Quoted(source) +
                              " -y -vcodec libx264 -s 1280x720 -b 2000K -acodec aac -ab 128K " +
                              Quoted(output);
  // Quit once ffmpeg reports written seconds, well before the end.
  const ChildResult run = RunChild(command, "q\n", ReportsWrittenSeconds);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const MediaFacts facts = ProbeMedia(output);
  EXPECT_GT(facts.duration, 0.0);
  EXPECT_LT(facts.duration, 50.0);
  EXPECT_EQ(facts.videoCodec, "h264");
  EXPECT_TRUE(DecodesCleanly(output));
  EXPECT_EQ(folder.fileCount(), 2);
}

TEST(EncoderProgramTest, FailureLeavesNoFileBehind) {
  TempFolder folder;
  const std::string source = folder.file("not-media.avi");
  std::ofstream(source) << "this is no video\n";
  const ChildResult run = RunChild(Mpeg4Command(source, folder.file("out.mp4")));
  EXPECT_NE(run.exitCode, 0);
  EXPECT_EQ(folder.fileCount(), 1) << run.output;
}

TEST(EncoderProgramTest, MissingFfmpegIsAClearError) {
  TempFolder folder;
  const ChildResult run =
      RunChild("/usr/bin/env PATH=" + folder.path() + " " + Mpeg4Command(SharedClip(), folder.file("o.mp4")));
  EXPECT_EQ(run.exitCode, 127);
  EXPECT_NE(run.output.find("cannot start ffmpeg"), std::string::npos) << run.output;
  EXPECT_EQ(folder.fileCount(), 0);
}

TEST(EncoderProgramTest, RefusesAnUnknownCommandLine) {
  const ChildResult run = RunChild(Quoted(EncoderProgram()) + " -i a.avi -y -acodec aac -q 3 o.mp4");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("unknown option -q"), std::string::npos);
}

TEST(EncoderProgramTest, GivenSourceFactsAreTakenInsteadOfMeasuringTheSource) {
  TempFolder folder;
  // The clip has audio; facts that say it has none must be believed.
  const std::string song = " -i " + Quoted(SharedClip()) + " -y -acodec libmp3lame " + Quoted(folder.file("o.mp3"));
  const ChildResult told = RunChild(Quoted(EncoderProgram()) + " -source-facts 0,320,240,25,-1,0,0" + song);
  EXPECT_EQ(told.exitCode, 2);
  EXPECT_NE(told.output.find("the source has no audio stream to convert"), std::string::npos) << told.output;

  const ChildResult garbled = RunChild(Quoted(EncoderProgram()) + " -source-facts 0,320" + song);
  EXPECT_EQ(garbled.exitCode, 2);
  EXPECT_NE(garbled.output.find("-source-facts: \"0,320\""), std::string::npos) << garbled.output;
  EXPECT_EQ(folder.fileCount(), 0);
}

// Runs the command, waits until its output holds `trigger` and ends cv.dat
// with `signalNumber`; returns cv.dat's exit code.
int EndWhenSaid(const std::string& command, const std::string& trigger, int signalNumber) {
  LaunchedChild child;
  if (!PlatformLaunch(command.c_str(), child)) return -1;
  std::string output;
  ExitStatus status;
  while (output.find(trigger) == std::string::npos && !PlatformWaitExit(child.process, 5, status)) {
    char buffer[512];
    std::size_t available = 0;
    if (PlatformBytesAvailable(child.outputRead, available) == PipeState::Open && available > 0) {
      const long got = PlatformRead(child.outputRead, buffer, std::min(available, sizeof buffer));
      if (got > 0) output.append(buffer, static_cast<std::size_t>(got));
    }
  }
  kill(static_cast<pid_t>(child.process), signalNumber);
  while (!PlatformWaitExit(child.process, 1000, status)) {
  }
  PlatformClose(child.outputRead);
  PlatformClose(child.inputWrite);
  return status.exited ? status.code : 128 + status.signal;
}

// Starts a long conversion, waits for its first progress and ends cv.dat
// with `signalNumber`; returns cv.dat's exit code.
int EndMidway(const TempFolder& folder, int signalNumber) {
  const std::string source = folder.file("long.mkv");
  if (!MakeClip(source, 60)) return -1;
  const std::string command = Quoted(EncoderProgram()) + " -i " + Quoted(source) +
                              " -y -vcodec libx264 -s 1280x720 -acodec aac " +
                              Quoted(folder.file("out.mp4"));
  // "fps=" is in ffmpeg's own reports only, not in the stand-in report
  // cv.dat gives while ffmpeg starts: something has been written by then.
  return EndWhenSaid(command, "fps=", signalNumber);
}

TEST(EncoderProgramTest, TerminationEndsFfmpegAndKeepsNothing) {
  TempFolder folder;
  EXPECT_EQ(EndMidway(folder, SIGTERM), 128 + SIGTERM);
  EXPECT_TRUE(WaitUntilGone(folder.path()));
  EXPECT_EQ(folder.fileCount(), 1);  // the source only
}

TEST(EncoderProgramTest, KilledProgramTakesFfmpegWithIt) {
  TempFolder folder;
  EXPECT_EQ(EndMidway(folder, SIGKILL), 128 + SIGKILL);
  EXPECT_TRUE(WaitUntilGone(folder.path()));
  EXPECT_FALSE(fs::exists(folder.file("out.mp4")));
}

TEST(EncoderProgramTest, InterruptFinishesTheFile) {
  TempFolder folder;
  EXPECT_EQ(EndMidway(folder, SIGINT), 0);
  const MediaFacts facts = ProbeMedia(folder.file("out.mp4"));
  EXPECT_GT(facts.duration, 0.0);
  EXPECT_TRUE(DecodesCleanly(folder.file("out.mp4")));
}

// The index of an MP4-family file is moved to its front after everything
// is written; no report comes meanwhile, so cv.dat says it is finishing.
TEST(EncoderProgramTest, TheIndexMoveIsSaidAndEndsInAReport) {
  TempFolder folder;
  const std::string output = folder.file("out.mp4");
  const ChildResult run = RunChild(Mpeg4Command(SharedClip(), output));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  // A line of its own, followed by a report: the converter reading the
  // newest line still sees progress.
  EXPECT_TRUE(std::regex_search(run.output, std::regex("[\r\n]finishing: moving the index to the front of the file\n"
                                                       "[^\r\n]*time=[0-9.]+[^\r\n]*\r")))
      << run.output;
  EXPECT_TRUE(IndexComesFirst(TopLevelBoxes(output)));
}

TEST(EncoderProgramTest, StopWhileFinishingCompletesTheFile) {
  TempFolder folder;
  const std::string output = folder.file("out.mp4");
  const ChildResult run = RunChild(Mpeg4Command(SharedClip(), output), "q\n", [](const std::string& out) {
    return out.find("finishing: ") != std::string::npos;
  });
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(DecodesCleanly(output));
  EXPECT_NEAR(ProbeMedia(output).duration, 2.0, 0.5);
  EXPECT_TRUE(IndexComesFirst(TopLevelBoxes(output)));
  EXPECT_EQ(folder.fileCount(), 1);
}

// Ended from outside while it moves the index, cv.dat leaves either no file
// or the whole file (when ffmpeg was done before the signal came), never a
// part of one.
TEST(EncoderProgramTest, TerminationWhileFinishingLeavesNoPartialFile) {
  TempFolder folder;
  const std::string output = folder.file("out.mp4");
  const int code = EndWhenSaid(Mpeg4Command(SharedClip(), output), "finishing: ", SIGTERM);
  EXPECT_TRUE(WaitUntilGone(folder.path()));
  if (code == 0) {
    EXPECT_TRUE(DecodesCleanly(output));
    EXPECT_TRUE(IndexComesFirst(TopLevelBoxes(output)));
    EXPECT_EQ(folder.fileCount(), 1);
  } else {
    EXPECT_EQ(code, 128 + SIGTERM);
    EXPECT_EQ(folder.fileCount(), 0);
  }
}

// Two hosts on an NFS folder, where the no-replace rename is refused and
// the move goes by link and unlink: two encoders that finish one name at
// once keep both files, under the name and the next free one.
TEST(EncoderProgramTest, TwoEncodersMovingByLinkIntoOneNameKeepBothFiles) {
  TempFolder folder;
  const std::string output = folder.file("same.mp4");
  setenv("ORVA_ENCODER_MOVE_BY_LINK", "1", 1);
  ChildResult first, second;
  std::thread other([&] { second = RunChild(Mpeg4Command(SharedClip(), output)); });
  first = RunChild(Mpeg4Command(SharedClip(), output));
  other.join();
  unsetenv("ORVA_ENCODER_MOVE_BY_LINK");
  ASSERT_EQ(first.exitCode, 0) << first.output;
  ASSERT_EQ(second.exitCode, 0) << second.output;
  const std::string firstPath = WrittenPath(first.output, output);
  const std::string secondPath = WrittenPath(second.output, output);
  EXPECT_NE(firstPath, secondPath);
  std::set<std::string> written{firstPath, secondPath};
  EXPECT_EQ(written, (std::set<std::string>{output, folder.file("same(0).mp4")}));
  for (const std::string& path : written) {
    EXPECT_NEAR(ProbeMedia(path).duration, 2.0, 0.5) << path;
    EXPECT_EQ(fs::hard_link_count(path), 1u) << path;
  }
  EXPECT_EQ(folder.fileCount(), 2);  // no temporary name left
}

}  // namespace
}  // namespace orva::encoder::test
