// orva-convert from the outside: listings, usage errors, dry runs, batch
// runs with a fake encoder, Ctrl+C, and one run with the real encoder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "cli_test_support.h"
#include "decimal_comma_locale.h"
#include "running_processes.h"

namespace orva::test {
namespace {

using std::chrono::milliseconds;
namespace fs = std::filesystem;

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The probe has opened the named pipe at `path`: a writer can join it only
// while a reader has it open. The writer stays (in `writer`), so the probe
// goes on waiting for words that never come instead of meeting the end.
bool ProbeWaitsOn(const std::string& path, int& writer) {
  if (writer < 0) writer = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  return writer >= 0;
}

// The encoder has written part of its file into `folder`.
bool SomethingWritten(const std::string& folder) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const auto size = entry.file_size(error);
    if (!error && size > 0) return true;
  }
  return false;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class CliTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    media = new ScratchFolder;
    ASSERT_TRUE(MakeClip(media->file("clip.mp4"), 3));
    ASSERT_TRUE(MakeClip(media->file("other.mp4"), 3));
    std::ofstream(media->file("notes.txt")) << "not media\n";
  }
  static void TearDownTestSuite() { delete media; }

  std::string clip(const char* name = "clip.mp4") const { return media->file(name); }

  static ScratchFolder* media;
  ProgramFolder program{ORVA_FAKE_REPORTER};
  ScratchFolder out;
};

ScratchFolder* CliTest::media = nullptr;

using orva::test::ProcessMentions;

TEST_F(CliTest, ListsEveryProfileInMenuOrder) {
  const CliResult result = program.run({"--list-profiles"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(CountLines(result.out), 147);
  EXPECT_TRUE(result.out.starts_with("10000\tiPod\tiPod - H.264 Video\n"));
  EXPECT_TRUE(Contains(result.out, "\n10502\tBlackBerry\tBlackBerry - MPEG4 Video\n"));
}

TEST_F(CliTest, ShowsTheSummaryAndTheChoicesOfAProfile) {
  const CliResult result = program.run({"--show-profile", "10000", "--audio-bitrate", "96K"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.starts_with("iPod - H.264 Video  [H.264/MPEG-4 AVC(320x240)] [MPEG-4 AAC] .mp4\n"));
  EXPECT_TRUE(Contains(result.out, "Audio bit rate (--audio-bitrate):\n    Auto\n    64K\n    80K\n  * 96K\n"));
}

TEST_F(CliTest, HelpAndVersionAnswerBeforeAnyOtherArgument) {
  const CliResult help = program.run({"--help", "--frobnicate"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("orva-convert converts video and audio files")) << help.out;
  EXPECT_TRUE(Contains(help.out, "--list-profiles")) << help.out;
  EXPECT_TRUE(help.err.empty()) << help.err;

  const CliResult version = program.run({"--version", clip()});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "orva-convert (Orva Video Converter) 1.7.29\n");
}

TEST_F(CliTest, RejectsWhatItCannotDo) {
  struct Case {
    std::vector<std::string> arguments;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{"--profile", "11700", clip()}, "not the id of a profile"},
      {{"--profile", "10130", clip()}, "not the id of a profile"},  // an empty slot
      {{"--size", "9x9", clip()}, "offered: \"320x240\""},
      {{"--profile", "11500", "--size", "320x240", clip()}, "has no video"},
      {{"--begin", "10", "--end", "5", clip()}, "--end must lie after --begin"},
      {{"--begin", "-1", clip()}, "not a number of seconds"},
      {{"--begin", "0x10", clip()}, "not a number of seconds"},
      {{"--end", "inf", clip()}, "not a number of seconds"},
      {{"--begin", "1e3", clip()}, "not a number of seconds"},
      {{"--list-profiles", clip()}, "--list-profiles converts nothing"},
      {{"--show-profile", "10000", clip()}, "--show-profile converts nothing"},
      {{"--frobnicate", clip()}, "unknown option"},
      {{"--profile"}, "needs a value"},
      {{}, "no file to convert"},
  };
  for (const Case& c : cases) {
    const CliResult result = program.run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.message;
    EXPECT_TRUE(Contains(result.err, c.message)) << result.err;
  }
}

TEST_F(CliTest, DryRunPrintsEachCommandAndConvertsNothing) {
  const CliResult result = program.run({"--dry-run", "--output-dir", out.path(), "--begin", "1",
                                        "--end", "2", "--channels", "Mono", clip(), clip("other.mp4")});
  EXPECT_EQ(result.status, 0) << result.err;
  // The facts measured of the source go along, so the encoder need not measure it again.
  const std::string facts = " -source-facts 0,320,240,25,1,0,0 ";
  std::string commands, mapping;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) (line.starts_with("  ") ? mapping : commands) += line + "\n";
  EXPECT_EQ(commands, "\"" + program.file("cv.dat") + "\"" + facts + " -ss 1.000000 -i \"" + clip() +
                          "\"  -t 1.000000 -y -vcodec libx264 -s 320x240 -b 640K -r 29.97 "
                          "-acodec libvo_aacenc -ab 128K -ar 44100 -ac 1 \"" + out.file("clip.mp4") + "\"\n"
                          "\"" + program.file("cv.dat") + "\"" + facts + " -ss 1.000000 -i \"" + clip("other.mp4") +
                          "\"  -t 1.000000 -y -vcodec libx264 -s 320x240 -b 640K -r 29.97 "
                          "-acodec libvo_aacenc -ab 128K -ar 44100 -ac 1 \"" + out.file("other.mp4") + "\"\n");
  // Under each command, the ffmpeg command the encoder would run: its streams and settings.
  EXPECT_TRUE(Contains(mapping, "  ffmpeg -hide_banner -stats -ss 1.000000 -i " + clip() +
                                    " -t 1.000000 -map 0:0 -map 0:1 -c:v libx264 -s 320x240 ")) << mapping;
  EXPECT_TRUE(Contains(mapping, "-c:a aac -b:a 128k -ar 44100 -ac 1 -movflags +faststart -y " + out.file("other.mp4") +
                                    "\n")) << mapping;
  EXPECT_TRUE(fs::is_empty(out.path()));
}

TEST_F(CliTest, DryRunNamesOutputsAndRefusesFoldersLikeTheRealRun) {
  ScratchFolder elsewhere;
  ASSERT_TRUE(MakeClip(elsewhere.file("clip.mp4"), 1));
  const CliResult names = program.run({"--dry-run", "--output-dir", out.path(), clip(), elsewhere.file("clip.mp4")});
  EXPECT_EQ(names.status, 0) << names.err;
  EXPECT_TRUE(Contains(names.out, "\"" + out.file("clip.mp4") + "\"\n")) << names.out;
  EXPECT_TRUE(Contains(names.out, "\"" + out.file("clip(0).mp4") + "\"\n")) << names.out;

  std::ofstream(out.file("plain")) << "a file, not a folder";
  const CliResult refused = program.run({"--dry-run", "--output-dir", out.file("plain/sub"), clip()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_TRUE(Contains(refused.err, "run ended: the output folder " + out.file("plain/sub/") + " does not exist"))
      << refused.err;
}

TEST_F(CliTest, UsesTheSavedProfileAndNeverRewritesIt) {
  std::ofstream(program.file("profile.dat")) << "10502";
  const CliResult dry = program.run({"--dry-run", clip()});
  EXPECT_TRUE(Contains(dry.out, "-vcodec mpeg4")) << dry.out;  // BlackBerry - MPEG4 Video

  std::ofstream(program.file("profile.dat")) << "abc";
  const CliResult fallback = program.run({"--dry-run", clip()});
  EXPECT_TRUE(Contains(fallback.out, "-vcodec libx264")) << fallback.out;

  const CliResult typed = program.run({"--profile", "10502", "--output-dir", out.path(), clip()});
  EXPECT_EQ(typed.status, 0) << typed.err;
  EXPECT_EQ(ReadFile(program.file("profile.dat")), "abc");
  EXPECT_FALSE(fs::exists(program.file("outpath.dat")));
}

TEST_F(CliTest, ConvertsEveryFileAndPrintsOneResultLineEach) {
  setenv("ORVA_FAKE_ENCODER", "3 1 5", 1);
  const CliResult result = program.run({"--output-dir", out.path(), clip(), clip("other.mp4")});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Success!  " + out.file("clip.mp4") + "\nSuccess!  " + out.file("other.mp4") + "\n");
}

TEST_F(CliTest, AFailedJobOrASkippedFileMakesTheStatusOne) {
  setenv("ORVA_FAKE_ENCODER", "1 1 5", 1);  // a third of the clip
  const CliResult failed = program.run({"--output-dir", out.path(), clip()});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "Failed!   " + out.file("clip.mp4") + "\n          the encoder wrote only 33% of the range\n");

  setenv("ORVA_FAKE_ENCODER", "3 1 5", 1);
  const CliResult skipped = program.run({"--output-dir", out.path(), clip("notes.txt"), clip()});
  EXPECT_EQ(skipped.status, 1);
  EXPECT_TRUE(Contains(skipped.err, "notes.txt: cannot be measured, skipped")) << skipped.err;
  EXPECT_TRUE(Contains(skipped.out, "Success!  ")) << skipped.out;
}

TEST_F(CliTest, WithoutATerminalAFolderThatCannotBeMadeIsDeclined) {
  std::ofstream(out.file("plain")) << "a file, not a folder";
  const std::string folder = out.file("plain/sub");
  const CliResult result = program.run({"--output-dir", folder, clip()});
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(Contains(result.err, "cannot make the output folder " + folder + ": ")) << result.err;
  EXPECT_TRUE(Contains(result.err, "Error: given path is not writable, ignore the error\n" + folder + "/"))
      << result.err;
  EXPECT_TRUE(Contains(result.err, "run ended: the output folder " + folder + "/ does not exist")) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, AMissingOutputFolderIsMadeAndTheTerminalSaysSo) {
  setenv("ORVA_FAKE_ENCODER", "3 1 5", 1);
  const std::string folder = out.file("new/deeper");
  const CliResult dry = program.run({"--dry-run", "--output-dir", folder, clip()});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_TRUE(Contains(dry.err, "the run would make the output folder " + folder + "\n")) << dry.err;
  EXPECT_TRUE(Contains(dry.out, "\"" + folder + "/clip.mp4\"")) << dry.out;
  EXPECT_FALSE(fs::exists(out.file("new")));

  const CliResult made = program.run({"--output-dir", folder, clip()});
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_TRUE(Contains(made.err, "made the output folder " + folder + "\n")) << made.err;
  EXPECT_EQ(made.out, "Success!  " + folder + "/clip.mp4\n");

  const CliResult again = program.run({"--output-dir", folder, clip("other.mp4")});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_FALSE(Contains(again.err, "made the output folder")) << again.err;
}

TEST_F(CliTest, SkippedFilesAndFatalJobsSayWhy) {
  ScratchFolder odd;
  const std::string tooLong = odd.path() + "/" + std::string(250, 'x') + ".mp4";
  const CliResult skipped = program.run({"--output-dir", out.path(), tooLong, odd.file("absent.mp4")});
  EXPECT_EQ(skipped.status, 1);
  EXPECT_TRUE(Contains(skipped.err, "xxx.mp4: the path is longer than 259 characters")) << skipped.err;
  EXPECT_TRUE(Contains(skipped.err, "absent.mp4: no such file")) << skipped.err;

  ProgramFolder noEncoder(odd.file("no-such-encoder"));
  const CliResult fatal = noEncoder.run({"--output-dir", out.path(), clip()});
  EXPECT_EQ(fatal.status, 1);
  EXPECT_EQ(fatal.out, "FATAL!    " + out.file("clip.mp4") + "\n          no encoder program at " + noEncoder.file("cv.dat") + "\n");
}

TEST_F(CliTest, StartedWithoutStandardInputAndOutputItStillMeasuresAndConverts) {
  setenv("ORVA_FAKE_ENCODER", "3 1 5", 1);
  const std::string program_ = program.file("orva-convert"), outDir = out.path(), source = clip();
  const pid_t pid = fork();
  if (pid == 0) {
    close(STDIN_FILENO);  // as some launchers start programs
    close(STDOUT_FILENO);
    execl(program_.c_str(), program_.c_str(), "--output-dir", outDir.c_str(), source.c_str(), nullptr);
    _exit(127);
  }
  int wstatus = 0;
  ASSERT_EQ(waitpid(pid, &wstatus, 0), pid);
  EXPECT_TRUE(WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0);
  EXPECT_TRUE(fs::exists(out.file("clip.mp4")));
}

TEST_F(CliTest, CtrlCStopsTheRunningJobAndStartsNoOther) {
  setenv("ORVA_FAKE_ENCODER", "3 3 1 1", 1);  // all written, then waits for the quit command
  const CliResult result = program.run(
      {"--jobs", "1", "--output-dir", out.path(), clip(), clip("other.mp4")},
      [&] { return ProcessMentions(out.file("clip.mp4")); });
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Success!  " + out.file("clip.mp4") + "\n");
  EXPECT_TRUE(Contains(result.err, "stopped"));
}

bool GoneSoon(const std::string& text) {
  for (int i = 0; i < 100 && ProcessMentions(text); ++i) std::this_thread::sleep_for(milliseconds(10));
  return !ProcessMentions(text);
}

// Side by side: two jobs at once into one folder.
class CliSideBySideTest : public CliTest {
 protected:
  void TearDown() override {
    for (const char* name : {"ORVA_FAKE_ENCODER", "ORVA_FAKE_ENCODER_a_avi", "ORVA_FAKE_ENCODER_a_mkv",
                             "ORVA_FAKE_ENCODER_clip_mp4", "ORVA_FAKE_ENCODER_other_mp4"}) {
      unsetenv(name);
    }
  }
};

TEST_F(CliSideBySideTest, TwoJobsWantingOneNameGetItAndTheNextFreeWhicheverEndsFirst) {
  ScratchFolder sources;
  ASSERT_TRUE(MakeClip(sources.file("a.avi"), 1));
  fs::copy_file(sources.file("a.avi"), sources.file("a.mkv"));
  const char* slow = "3 1 300";
  const char* fast = "3 1 5";
  for (const bool firstEndsFirst : {true, false}) {
    ScratchFolder target;
    setenv("ORVA_FAKE_ENCODER_a_avi", firstEndsFirst ? fast : slow, 1);
    setenv("ORVA_FAKE_ENCODER_a_mkv", firstEndsFirst ? slow : fast, 1);
    const CliResult result =
        program.run({"--jobs", "2", "--output-dir", target.path(), sources.file("a.avi"), sources.file("a.mkv")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Success!  " + target.file("a.mp4") + "\nSuccess!  " + target.file("a(0).mp4") + "\n")
        << "first ends first: " << firstEndsFirst;
    EXPECT_TRUE(fs::exists(target.file("a.mp4")));
    EXPECT_TRUE(fs::exists(target.file("a(0).mp4")));
  }
}

TEST_F(CliSideBySideTest, AFailingJobBesideASucceedingOneKeepsItsReasonAndItsPlace) {
  setenv("ORVA_FAKE_ENCODER_clip_mp4", "1 1 400", 1);  // a third of the clip, and it ends last
  setenv("ORVA_FAKE_ENCODER_other_mp4", "3 1 5", 1);
  const CliResult result = program.run({"--jobs", "2", "--output-dir", out.path(), clip(), clip("other.mp4")});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Failed!   " + out.file("clip.mp4") + "\n          the encoder wrote only 33% of the range\n" +
                            "Success!  " + out.file("other.mp4") + "\n");
}

TEST_F(CliSideBySideTest, CtrlCStopsBothRunningJobsAndStartsNoThird) {
  ScratchFolder sources;
  for (const char* name : {"one.mp4", "two.mp4", "three.mp4"}) fs::copy_file(clip(), sources.file(name));
  setenv("ORVA_FAKE_ENCODER", "3 3 1 1", 1);  // all written, then waits for the quit command
  const auto bothRunning = [&] {
    return ProcessMentions(out.file("one.mp4")) && ProcessMentions(out.file("two.mp4"));
  };
  const CliResult result = program.run(
      {"--jobs", "2", "--output-dir", out.path(), sources.file("one.mp4"), sources.file("two.mp4"),
       sources.file("three.mp4")},
      bothRunning);
  EXPECT_EQ(result.status, 1);
  // A fake that is never told to quit would wait for ever and fail.
  EXPECT_EQ(result.out, "Success!  " + out.file("one.mp4") + "\nSuccess!  " + out.file("two.mp4") + "\n");
  EXPECT_TRUE(Contains(result.err, "orva-convert: stopped\n")) << result.err;
  EXPECT_FALSE(fs::exists(out.file("three.mp4")));
  EXPECT_FALSE(ProcessMentions(out.file("three.mp4")));
}

TEST_F(CliSideBySideTest, OneJobAtATimePrintsWhatItAlwaysPrinted) {
  // A failure, a success and a skipped file, with the lines of one job at a time.
  setenv("ORVA_FAKE_ENCODER_clip_mp4", "1 1 5", 1);
  setenv("ORVA_FAKE_ENCODER_other_mp4", "3 1 5", 1);
  const std::string expected = "Failed!   " + out.file("clip.mp4") +
                               "\n          the encoder wrote only 33% of the range\n"
                               "Success!  " + out.file("other.mp4") + "\n";
  const CliResult inTurn =
      program.run({"--jobs", "1", "--output-dir", out.path(), clip(), clip("notes.txt"), clip("other.mp4")});
  EXPECT_EQ(inTurn.status, 1);
  EXPECT_EQ(inTurn.out, expected);
  EXPECT_TRUE(Contains(inTurn.err, "notes.txt: cannot be measured, skipped")) << inTurn.err;

  // Several at once the terminal-less output stays the same.
  ScratchFolder again;
  const CliResult sideBySide =
      program.run({"--jobs", "3", "--output-dir", again.path(), clip(), clip("notes.txt"), clip("other.mp4")});
  EXPECT_EQ(sideBySide.status, 1);
  EXPECT_EQ(sideBySide.out, "Failed!   " + again.file("clip.mp4") +
                                "\n          the encoder wrote only 33% of the range\n"
                                "Success!  " + again.file("other.mp4") + "\n");
}

// A batch spread over many runs: lists of files, shares, reports, re-runs.
class CliManyRunsTest : public CliSideBySideTest {
 protected:
  std::vector<std::string> reportLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

TEST_F(CliManyRunsTest, ConvertsTheFilesOfAListOfLinesOrOfNulSeparatedPaths) {
  setenv("ORVA_FAKE_ENCODER", "3 1 5", 1);
  std::ofstream(out.file("list.txt")) << clip() << "\n\n" << clip("other.mp4") << "\n";
  ScratchFolder target;
  const CliResult lines = program.run({"--files-from", out.file("list.txt"), "--output-dir", target.path()});
  EXPECT_EQ(lines.status, 0) << lines.err;
  EXPECT_EQ(lines.out, "Success!  " + target.file("clip.mp4") + "\nSuccess!  " + target.file("other.mp4") + "\n");

  // find -print0 | orva-convert --files-from - --null: a name may hold a line break.
  ScratchFolder odd, again;
  const std::string broken = odd.file("two\nlines.mp4");
  fs::copy_file(clip(), broken);
  std::ofstream(out.file("list0")) << broken << '\0' << clip() << '\0';
  const CliResult nul =
      program.runWithInput(out.file("list0"), {"--files-from", "-", "--null", "--output-dir", again.path()});
  EXPECT_EQ(nul.status, 0) << nul.err;
  EXPECT_TRUE(fs::exists(again.file("two\nlines.mp4")));
  EXPECT_TRUE(fs::exists(again.file("clip.mp4")));

  const CliResult unread = program.run({"--files-from", out.file("absent.txt")});
  EXPECT_EQ(unread.status, 2);
  EXPECT_TRUE(Contains(unread.err, "absent.txt")) << unread.err;
  const CliResult stray = program.run({"--null", clip()});
  EXPECT_EQ(stray.status, 2);
}

TEST_F(CliManyRunsTest, EachRunConvertsItsShareAndAnEmptyShareEndsWell) {
  setenv("ORVA_FAKE_ENCODER", "3 1 5", 1);
  ScratchFolder sources, target;
  std::ofstream list(out.file("list.txt"));
  for (const char* name : {"e.mp4", "a.mp4", "d.mp4", "b.mp4", "c.mp4"}) {
    fs::copy_file(clip(), sources.file(name));
    list << sources.file(name) << "\n";
  }
  list.close();
  const CliResult second = program.run({"--shard", "2/3", "--files-from", out.file("list.txt"), "--output-dir", target.path()});
  EXPECT_EQ(second.status, 0) << second.err;
  // Sorted a b c d e: the second of three shares is b and e.
  EXPECT_EQ(second.out, "Success!  " + target.file("b.mp4") + "\nSuccess!  " + target.file("e.mp4") + "\n");
  EXPECT_TRUE(Contains(second.err, "share 2/3: 2 of 5 files listed")) << second.err;

  // A Slurm array task takes its share without arithmetic: id 2 of 0-3 is 3/4.
  setenv("SLURM_ARRAY_TASK_ID", "2", 1);
  setenv("SLURM_ARRAY_TASK_MIN", "0", 1);
  setenv("SLURM_ARRAY_TASK_COUNT", "4", 1);
  ScratchFolder byTask;
  const CliResult task = program.run({"--files-from", out.file("list.txt"), "--output-dir", byTask.path()});
  EXPECT_EQ(task.status, 0) << task.err;
  EXPECT_EQ(task.out, "Success!  " + byTask.file("c.mp4") + "\n");

  setenv("SLURM_ARRAY_TASK_COUNT", "9", 1);  // more tasks than files
  setenv("SLURM_ARRAY_TASK_ID", "7", 1);
  const CliResult empty = program.run({"--files-from", out.file("list.txt"), "--output-dir", byTask.path()});
  EXPECT_EQ(empty.status, 0) << empty.err;
  EXPECT_EQ(empty.out, "");
  EXPECT_TRUE(Contains(empty.err, "share 8/9 of 5 files listed is empty; nothing to convert")) << empty.err;

  setenv("SLURM_ARRAY_TASK_MAX", "20", 1);  // --array=0,5,20: no plain range
  setenv("SLURM_ARRAY_TASK_COUNT", "3", 1);
  const CliResult unclear = program.run({"--files-from", out.file("list.txt"), "--output-dir", byTask.path()});
  EXPECT_EQ(unclear.status, 2);
  EXPECT_TRUE(Contains(unclear.err, "give --shard K/N")) << unclear.err;
  for (const char* name : {"SLURM_ARRAY_TASK_ID", "SLURM_ARRAY_TASK_MIN", "SLURM_ARRAY_TASK_COUNT", "SLURM_ARRAY_TASK_MAX"}) {
    unsetenv(name);
  }
}

TEST_F(CliManyRunsTest, ReportsEveryFileAndTheSummaryNamesTheFailedOne) {
  setenv("ORVA_FAKE_ENCODER_clip_mp4", "1 1 5", 1);  // a third of the clip
  setenv("ORVA_FAKE_ENCODER_other_mp4", "3 1 5", 1);
  const std::string report = out.file("run.jsonl");
  ScratchFolder target;
  const CliResult run = program.run({"--jobs", "2", "--report", report, "--output-dir", target.path(), clip(),
                                     clip("notes.txt"), clip("other.mp4")});
  EXPECT_EQ(run.status, 1);
  const std::vector<std::string> lines = reportLines(report);
  ASSERT_EQ(lines.size(), 3u);
  std::map<std::string, std::string> resultOf;
  for (const std::string& line : lines) {
    const auto source = line.find("\"source\":\"") + 10;
    resultOf[line.substr(source, line.find('"', source) - source)] = line;
  }
  EXPECT_TRUE(Contains(resultOf[clip()], "\"output\":\"" + target.file("clip.mp4") + "\",\"result\":\"failed\","
                                         "\"reason\":\"the encoder wrote only 33% of the range\""))
      << resultOf[clip()];
  EXPECT_TRUE(Contains(resultOf[clip("notes.txt")], "\"output\":null,\"result\":\"failed\",\"reason\":\"cannot be measured\""))
      << resultOf[clip("notes.txt")];
  const std::string& success = resultOf[clip("other.mp4")];
  EXPECT_TRUE(Contains(success, "\"result\":\"succeeded\",\"reason\":\"\"")) << success;
  EXPECT_TRUE(Contains(success, "\"bytes\":" + std::to_string(fs::file_size(target.file("other.mp4"))) + ",")) << success;
  EXPECT_TRUE(Contains(success, "\"host\":\"")) << success;

  const CliResult summary = program.run({"--summarize", report});
  EXPECT_EQ(summary.status, 1);
  EXPECT_TRUE(summary.out.starts_with("3 files: 1 succeeded, 2 failed, 0 skipped\n")) << summary.out;
  EXPECT_TRUE(Contains(summary.out, "failed    " + clip() + " (")) << summary.out;
  EXPECT_EQ(program.run({"--summarize"}).status, 2);
}

TEST_F(CliManyRunsTest, AStoppedRunStillReportsEveryFile) {
  setenv("ORVA_FAKE_ENCODER", "3 3 1 1", 1);  // all written, then waits for the quit command
  const std::string report = out.file("stopped.jsonl");
  ScratchFolder target;
  const CliResult result = program.run(
      {"--jobs", "1", "--report", report, "--output-dir", target.path(), clip(), clip("other.mp4")},
      [&] { return ProcessMentions(target.file("clip.mp4")); });
  EXPECT_EQ(result.status, 1);
  // The second file was not measured yet ("interrupted") or not started:
  // either way it has its line, in whichever order the two were written.
  const std::vector<std::string> lines = reportLines(report);
  ASSERT_EQ(lines.size(), 2u);
  const bool firstIsClip = Contains(lines[0], "\"source\":\"" + clip() + "\",");
  const std::string& other = lines[firstIsClip ? 1 : 0];
  EXPECT_TRUE(Contains(lines[firstIsClip ? 0 : 1], "\"source\":\"" + clip() + "\",")) << lines[0] << lines[1];
  EXPECT_TRUE(Contains(other, "\"source\":\"" + clip("other.mp4") + "\",\"output\":null,\"result\":\"failed\","))
      << other;
  EXPECT_TRUE(Contains(other, "\"reason\":\"not started: the run was stopped\"") ||
              Contains(other, "\"reason\":\"interrupted\""))
      << other;
}

TEST_F(CliManyRunsTest, SkipExistingConvertsOnlyWhatIsLeftAndNeverOverwrites) {
  setenv("ORVA_FAKE_ENCODER", "3 1 5", 1);
  ScratchFolder target;
  std::ofstream(target.file("clip.mp4")) << "done before";
  const std::string report = out.file("rerun.jsonl");
  const CliResult rerun = program.run({"--skip-existing", "--report", report, "--output-dir", target.path(), clip(),
                                       clip("other.mp4")});
  EXPECT_EQ(rerun.status, 0) << rerun.err;
  EXPECT_EQ(rerun.out, "Success!  " + target.file("other.mp4") + "\n");
  EXPECT_TRUE(Contains(rerun.err, "clip.mp4: its output " + target.file("clip.mp4") + " exists, skipped")) << rerun.err;
  EXPECT_EQ(ReadFile(target.file("clip.mp4")), "done before");
  EXPECT_FALSE(fs::exists(target.file("clip(0).mp4")));
  const std::vector<std::string> lines = reportLines(report);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(Contains(lines[0], "\"output\":\"" + target.file("clip.mp4") +
                                     "\",\"result\":\"skipped\",\"reason\":\"the output exists\",\"seconds\":0.00,\"bytes\":11,"))
      << lines[0];

  const CliResult nothingLeft =
      program.run({"--skip-existing", "--output-dir", target.path(), clip(), clip("other.mp4")});
  EXPECT_EQ(nothingLeft.status, 0) << nothingLeft.err;
  EXPECT_EQ(nothingLeft.out, "");
  EXPECT_EQ(target.fileCount(), 2);
}

TEST_F(CliTest, RefusesANumberOfJobsItCannotRun) {
  for (const char* jobs : {"0", "-1", "two", "65"}) {
    const CliResult result = program.run({"--jobs", jobs, clip()});
    EXPECT_EQ(result.status, 2) << jobs;
    EXPECT_TRUE(Contains(result.err, "--jobs:")) << result.err;
  }
}

TEST_F(CliTest, CtrlCWhileAFileHangsTheProbeConvertsNothingAndLeavesNoProbe) {
  // A named pipe nobody writes to: the probe waits on it for ever.
  const std::string pipe = out.file("stalled.mp4");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  ScratchFolder target;
  int writer = -1;
  const CliResult result = program.run({"--output-dir", target.path(), pipe, clip()},
                                       [&] { return ProbeWaitsOn(pipe, writer); });
  close(writer);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(Contains(result.err, "stalled.mp4: interrupted, skipped")) << result.err;
  EXPECT_TRUE(Contains(result.err, "clip.mp4: interrupted, skipped")) << result.err;
  EXPECT_TRUE(Contains(result.err, "stopped before any conversion")) << result.err;
  EXPECT_TRUE(fs::is_empty(target.path()));
  EXPECT_TRUE(GoneSoon(program.file("orva-probe")));
}

TEST_F(CliTest, NoProbeOutlivesAConverterThatIsKilled) {
  const std::string pipe = out.file("stalled.mp4");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  int writer = -1;
  const CliResult result = program.run({pipe}, [&] { return ProbeWaitsOn(pipe, writer); }, SIGKILL);
  close(writer);
  EXPECT_EQ(result.status, -1);
  EXPECT_TRUE(GoneSoon(program.file("orva-probe")));
}

TEST(CliEndToEndTest, AFailedJobSaysWhyUnderItsResult) {
  ScratchFolder media;
  ASSERT_TRUE(RunFfmpeg("-f lavfi -i testsrc=size=160x120:duration=1 -c:v mpeg4 \"" +
                        media.file("silent.mp4") + "\""));
  ProgramFolder program(ORVA_ENCODER);
  const CliResult result = program.run({"--profile", "11400", "--output-dir", media.path(), media.file("silent.mp4")});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Failed!   " + media.file("silent.mp3") + "\n          the source has no audio stream to convert\n");
}

// A user whose locale writes decimals with a comma: the range asked is the
// range converted.
TEST(CliEndToEndTest, TrimsToTheRangeAskedInADecimalCommaLocale) {
  ScratchFolder media, out;
  ASSERT_TRUE(MakeClip(media.file("clip.mkv"), 8));
  std::string why;
  ASSERT_TRUE(UseDecimalCommaLocale(why)) << why;
  ProgramFolder program(ORVA_ENCODER);
  const CliResult result =
      program.run({"--output-dir", out.path(), "--begin", "1.5", "--end", "5.25", media.file("clip.mkv")});
  LeaveDecimalCommaLocale();
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NEAR(MediaDuration(out.file("clip.mp4")), 3.75, 0.3);
}

TEST(CliEndToEndTest, AConverterToldToEndLeavesNoEncoderConverting) {
  ScratchFolder media;
  ASSERT_TRUE(MakeClip(media.file("long.mp4"), 120));
  ScratchFolder out;
  ProgramFolder program(ORVA_ENCODER);
  const CliResult result = program.run({"--output-dir", out.path(), media.file("long.mp4")},
                                       [&] { return SomethingWritten(out.path()); }, SIGTERM);
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_TRUE(Contains(result.err, "left; the encoder finishes its file on its own")) << result.err;
  // Asked to quit, the encoder ends within moments instead of converting
  // the whole clip.
  bool gone = false;
  for (int i = 0; i < 50 && !gone; ++i) {
    gone = !ProcessMentions(out.path());
    std::this_thread::sleep_for(milliseconds(100));
  }
  EXPECT_TRUE(gone);
}

TEST(CliEndToEndTest, ConvertsAClipWithTheRealEncoder) {
  ScratchFolder media;
  ASSERT_TRUE(MakeClip(media.file("clip.mp4"), 2));
  ProgramFolder program(ORVA_ENCODER);
  const CliResult result = program.run({"--profile", "10002", "--output-dir", media.path(), media.file("clip.mp4")});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Success!  " + media.file("clip(0).mp4") + "\n");
  EXPECT_GT(fs::file_size(media.file("clip(0).mp4")), 1000u);
}

// Quotes and backslashes are ordinary in names here: the file is measured,
// converted by the real encoder and written under its own name.
TEST(CliEndToEndTest, ConvertsANameHoldingQuotesAndBackslashes) {
  ScratchFolder media, out;
  const std::string folder = media.file(R"(dir \"q\"\)");
  fs::create_directory(folder);
  const std::string source = folder + R"(/say "hi" \"ü\" \.mkv)";
  ASSERT_TRUE(MakeClip(source, 2));
  const std::string into = out.file(R"(out "x"\)");
  fs::create_directory(into);
  ProgramFolder program(ORVA_ENCODER);
  const CliResult result = program.run({"--output-dir", into, source});
  EXPECT_EQ(result.status, 0) << result.err;
  const std::string output = into + R"(/say "hi" \"ü\" \.mp4)";
  EXPECT_EQ(result.out, "Success!  " + output + "\n");
  EXPECT_NEAR(MediaDuration(output), 2.0, 0.3);
}

// Two converters on two hosts write into one NFS folder, where the encoder
// moves its file by link and unlink: both name the same free output, and
// both files are kept, each converter printing the name its file got.
TEST(CliEndToEndTest, TwoConvertersMovingByLinkIntoOneFolderKeepBothFiles) {
  ScratchFolder media, out;
  ASSERT_TRUE(MakeClip(media.file("a.avi"), 2));
  fs::copy_file(media.file("a.avi"), media.file("a.mkv"));
  ProgramFolder first(ORVA_ENCODER), second(ORVA_ENCODER);
  setenv("ORVA_ENCODER_MOVE_BY_LINK", "1", 1);
  // The second converter runs from a process of its own, so the test
  // needs no thread.
  const pid_t beside = fork();
  if (beside == 0) _exit(second.run({"--output-dir", out.path(), media.file("a.mkv")}).status);
  const CliResult result = first.run({"--output-dir", out.path(), media.file("a.avi")});
  int besideStatus = 0;
  ASSERT_EQ(waitpid(beside, &besideStatus, 0), beside);
  unsetenv("ORVA_ENCODER_MOVE_BY_LINK");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(WIFEXITED(besideStatus) && WEXITSTATUS(besideStatus) == 0) << ReadFile(second.file("stderr.txt"));
  const std::set<std::string> printed{result.out, ReadFile(second.file("stdout.txt"))};
  EXPECT_EQ(printed, (std::set<std::string>{"Success!  " + out.file("a.mp4") + "\n",
                                            "Success!  " + out.file("a(0).mp4") + "\n"}));
  EXPECT_EQ(out.fileCount(), 2);  // no temporary name left
  EXPECT_NEAR(MediaDuration(out.file("a.mp4")), 2.0, 0.3);
  EXPECT_NEAR(MediaDuration(out.file("a(0).mp4")), 2.0, 0.3);
}

TEST(CliEndToEndTest, CtrlCEndsTheRealEncoderInAnOrderlyWay) {
  ScratchFolder media;
  ASSERT_TRUE(MakeClip(media.file("long.mp4"), 120));
  ScratchFolder out;
  ProgramFolder program(ORVA_ENCODER);
  const CliResult result = program.run({"--output-dir", out.path(), media.file("long.mp4")},
                                       [&] { return SomethingWritten(out.path()); });
  EXPECT_EQ(result.status, 1) << result.out << result.err;
  EXPECT_TRUE(result.out.starts_with("Failed!   " + out.file("long.mp4") + "\n          stopped after "))
      << result.out;
  // The shortened file is kept under its name; no temporary file is left.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(out.path())) names.push_back(entry.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"long.mp4"});
}

}  // namespace
}  // namespace orva::test
