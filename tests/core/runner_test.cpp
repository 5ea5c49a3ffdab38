#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/command_line.h"
#include "engine/tool_runner.h"

namespace orva {
namespace {

// A runner whose output digest keeps every chunk it is handed.
struct Recorder {
  std::vector<std::string> chunks;
  std::string all() const {
    std::string text;
    for (const auto& c : chunks) text += c;
    return text;
  }
};

void RecordChunk(ToolRunner& runner) {
  static_cast<Recorder*>(runner.context)->chunks.emplace_back(runner.readBuffer);
}
int NoCommand(ToolRunner&) { return 0; }
void NoFinish(ToolRunner&) {}
const ToolDescriptor kRecordingDescriptor = {NoCommand, RecordChunk, NoFinish};

class RunnerTest : public ::testing::Test {
 protected:
  RunnerTest() {
    runner.context = &recorder;
    runner.descriptor = &kRecordingDescriptor;
  }
  ~RunnerTest() override {
    TerminateTool(runner);
    while (PollTool(runner) == 0) {
    }
  }

  bool launch(const std::string& child, const std::string& arguments = "") {
    const std::string line =
        std::string("\"") + ORVA_TEST_CHILDREN_DIR + "/child_" + child + "\" " + arguments;
    std::snprintf(runner.commandLine, sizeof runner.commandLine, "%s", line.c_str());
    return LaunchTool(runner);
  }

  // Polls until the end, at most `limit` polls; the number of polls made.
  int pollToEnd(int limit = 5000) {
    int polls = 0;
    while (polls < limit && PollTool(runner) == 0) ++polls;
    return polls;
  }

  Recorder recorder;
  ToolRunner runner;
};

TEST_F(RunnerTest, SilentChildEndsWithItsExitStatus) {
  ASSERT_TRUE(launch("silent", "7"));
  EXPECT_LT(pollToEnd(), 5000);
  EXPECT_TRUE(recorder.chunks.empty());
  EXPECT_EQ(runner.process, kNoHandle);
  EXPECT_EQ(runner.outputRead, kNoHandle);
  EXPECT_EQ(runner.inputWrite, kNoHandle);
  EXPECT_TRUE(runner.exitStatus.known);
  EXPECT_TRUE(runner.exitStatus.exited);
  EXPECT_EQ(runner.exitStatus.code, 7);
  EXPECT_EQ(PollTool(runner), 1);  // idle now
}

TEST_F(RunnerTest, FloodArrivesInOrderInChunksOf511) {
  ASSERT_TRUE(launch("flood", "2000 tail-on-stderr"));
  // Let it write everything before the first poll.
  PlatformSleep(200);
  EXPECT_LT(pollToEnd(), 5000);
  ASSERT_GE(recorder.chunks.size(), 4u);
  for (const auto& chunk : recorder.chunks) EXPECT_LE(chunk.size(), 511u);
  std::string expected;
  for (int i = 0; i < 2000; ++i) expected += static_cast<char>('0' + i % 10);
  expected += "tail-on-stderr";
  EXPECT_EQ(recorder.all(), expected);
}

TEST_F(RunnerTest, RunningChildKeepsPollingAtAboutOneMillisecond) {
  ASSERT_TRUE(launch("endless"));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 20; ++i) EXPECT_EQ(PollTool(runner), 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
  TerminateTool(runner);
  EXPECT_LT(pollToEnd(), 5000);
  EXPECT_FALSE(runner.exitStatus.exited);
  EXPECT_EQ(runner.exitStatus.signal, 9);
}

// Woken only by the output, as a window is: every byte arrives and the
// exit status is collected once the pipe breaks, without waiting on a
// child that still runs.
TEST_F(RunnerTest, PollingWhenTheOutputWakesSeesEveryByteAndTheEnd) {
  ASSERT_TRUE(launch("flood", "2000 tail-on-stderr"));
  int wakes = 0;
  while (wakes < 5000 && PollToolNow(runner) == 0) {
    ASSERT_TRUE(PlatformWaitReadable(runner.outputRead, 30000)) << "the child neither wrote nor ended";
    ++wakes;
  }
  EXPECT_EQ(runner.process, kNoHandle);
  EXPECT_TRUE(runner.exitStatus.known);
  std::string expected;
  for (int i = 0; i < 2000; ++i) expected += static_cast<char>('0' + i % 10);
  EXPECT_EQ(recorder.all(), expected + "tail-on-stderr");
}

TEST_F(RunnerTest, CrashIsReportedAsASignal) {
  ASSERT_TRUE(launch("crash"));
  EXPECT_LT(pollToEnd(), 5000);
  EXPECT_EQ(recorder.all(), "about to fail\n");
  EXPECT_FALSE(runner.exitStatus.success());
  EXPECT_NE(runner.exitStatus.signal, 0);
}

TEST_F(RunnerTest, ProgramThatCannotStartLeavesNothingOpen) {
  std::snprintf(runner.commandLine, sizeof runner.commandLine, "\"/nonexistent/cv.dat\" -i x");
  EXPECT_FALSE(LaunchTool(runner));
  EXPECT_EQ(runner.process, kNoHandle);
  EXPECT_EQ(runner.outputRead, kNoHandle);
  EXPECT_EQ(runner.inputWrite, kNoHandle);
  EXPECT_EQ(PollTool(runner), 1);
}

TEST_F(RunnerTest, InputReachesTheChildAndQuitEndsIt) {
  ASSERT_TRUE(launch("quitter"));
  EXPECT_EQ(WriteToolInput(runner, "hello\n"), 0);
  EXPECT_EQ(WriteToolInput(runner, "q\n"), 0);
  EXPECT_LT(pollToEnd(), 5000);
  EXPECT_EQ(recorder.all(), "got:hello\nbye\n");
  EXPECT_TRUE(runner.exitStatus.success());
  // The child is gone: writing fails instead of ending the test.
  EXPECT_EQ(WriteToolInput(runner, "q\n"), 1);
}

TEST_F(RunnerTest, ChildHoldsOnlyItsOwnPipeEnds) {
  // If the child inherited our write end of its input, it would never see
  // the end of its input; with only its own ends it exits 3 on EOF.
  ASSERT_TRUE(launch("quitter"));
  PlatformClose(runner.inputWrite);
  EXPECT_LT(pollToEnd(), 5000);
  EXPECT_EQ(runner.exitStatus.code, 3);
}

TEST_F(RunnerTest, ChildInheritsNoOtherDescriptor) {
  const int leaked = dup(STDERR_FILENO);  // inherited without close-on-exec
  std::snprintf(runner.commandLine, sizeof runner.commandLine, "\"/bin/ls\" /proc/self/fd");
  ASSERT_TRUE(LaunchTool(runner));
  EXPECT_LT(pollToEnd(), 5000);
  close(leaked);
  EXPECT_EQ(recorder.all(), "0\n1\n2\n3\n");  // 3 is the listing's own
}

TEST_F(RunnerTest, ChildKeepsItsStreamsWhenOursWereClosed) {
  // Started without standard input and output, as some launchers do, the
  // pipes take descriptors 0 and 1; the child must still get its own.
  const pid_t tester = fork();
  if (tester == 0) {
    close(STDIN_FILENO);
    close(STDOUT_FILENO);
    const bool ok = launch("quitter") && WriteToolInput(runner, "hello\n") == 0 &&
                    WriteToolInput(runner, "q\n") == 0 && pollToEnd() < 5000 &&
                    recorder.all() == "got:hello\nbye\n";
    _exit(ok ? 0 : 1);
  }
  int wstatus = 0;
  ASSERT_EQ(waitpid(tester, &wstatus, 0), tester);
  EXPECT_TRUE(WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0);
}

// Makes the next process created get `pid`; false when that is not allowed.
bool PrepareNextPid(pid_t pid) {
  std::FILE* last = std::fopen("/proc/sys/kernel/ns_last_pid", "w");
  if (last == nullptr) return false;
  const bool written = std::fprintf(last, "%d", pid - 1) > 0;
  return std::fclose(last) == 0 && written;
}

TEST(PlatformTerminate, NeverSignalsAnIdAfterItWasReaped) {
  LaunchedChild child;
  const std::string line = std::string("\"") + ORVA_TEST_CHILDREN_DIR + "/child_silent\" 0";
  ASSERT_TRUE(PlatformLaunch(line.c_str(), child));
  ExitStatus status;
  while (!PlatformWaitExit(child.process, 100, status)) {
  }
  ASSERT_TRUE(status.known);

  // An unrelated process group that got the reaped id.
  if (!PrepareNextPid(static_cast<pid_t>(child.process))) GTEST_SKIP() << "cannot choose the next pid";
  const pid_t stranger = fork();
  if (stranger == 0) {
    setpgid(0, 0);
    pause();
    _exit(0);
  }
  if (stranger != static_cast<pid_t>(child.process)) {
    kill(stranger, SIGKILL);
    waitpid(stranger, nullptr, 0);
    GTEST_SKIP() << "another process took the id first";
  }
  EXPECT_FALSE(PlatformTerminate(child.process, status));
  PlatformSleep(50);
  EXPECT_EQ(waitpid(stranger, nullptr, WNOHANG), 0);  // still alive
  kill(stranger, SIGKILL);
  waitpid(stranger, nullptr, 0);
  PlatformClose(child.outputRead);
  PlatformClose(child.inputWrite);
}

TEST(PumpMessages, DispatchesEachCycleAndReturnsAtOnceForNone) {
  int dispatched = 0;
  SetMessageDispatcher([&] { ++dispatched; });
  const auto start = std::chrono::steady_clock::now();
  PumpMessages(0, 1000);
  PumpMessages(-3, 1000);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  PumpMessages(3, 1);
  EXPECT_EQ(dispatched, 3);
  SetMessageDispatcher(nullptr);
}

TEST(SplitCommandLine, BlanksSeparateQuotesGroupAndVanish) {
  using Args = std::vector<std::string>;
  EXPECT_EQ(SplitCommandLine("\"/a b/cv.dat\"  -i \"/x y/in.avi\" -y"),
            (Args{"/a b/cv.dat", "-i", "/x y/in.avi", "-y"}));
  EXPECT_EQ(SplitCommandLine("a\"b c\"d\t e"), (Args{"ab cd", "e"}));
  EXPECT_EQ(SplitCommandLine("x \"\" y"), (Args{"x", "", "y"}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(SplitCommandLine, BackslashesCountOnlyBeforeAQuote) {
  using Args = std::vector<std::string>;
  // Elsewhere they are ordinary characters, in quotes or not.
  EXPECT_EQ(SplitCommandLine(R"(a\b "c\d e\\f" g\)"), (Args{R"(a\b)", R"(c\d e\\f)", R"(g\)"}));
  // 2n+1 before a quote: n backslashes and a quote of the argument.
  EXPECT_EQ(SplitCommandLine(R"(say\"hi\" "x \" y" \\\"z)"), (Args{R"(say"hi")", R"(x " y)", R"(\"z)"}));
  // 2n before a quote: n backslashes, and the quote groups.
  EXPECT_EQ(SplitCommandLine(R"("dir\\" next a\\"b c")"), (Args{R"(dir\)", "next", R"(a\b c)"}));
}

// Every name the file system allows, quoted and read back among other
// arguments, is the same name again.
TEST(QuoteArgument, EveryNameReadsBackUnchanged) {
  const std::vector<std::string> names = {
      "plain.mkv", "/media/a b.avi", R"(/m/say "hi".mkv)", R"(a\b.mkv)", R"(dir\)", R"(dir\\)",
      R"(\"already\")", R"(ends in a quote")", R"(""")", "", " ", "tab\there", "-i",
      R"(\\server\share\x)", "\xc3\xa9t\xc3\xa9 \"\xe6\x97\xa5\"\\.mp4",
  };
  for (const std::string& name : names) {
    const std::string line = "\"/opt/orva/pb.dat\" -x " + QuoteArgument(name) + " -y";
    EXPECT_EQ(SplitCommandLine(line.c_str()), (std::vector<std::string>{"/opt/orva/pb.dat", "-x", name, "-y"}))
        << line;
  }
  // Names without quotes or backslashes only gain the quotes around them.
  EXPECT_EQ(QuoteArgument("/media/a b.avi"), "\"/media/a b.avi\"");
  EXPECT_EQ(QuoteArgument(R"(say "hi" a\b\)"), R"("say \"hi\" a\b\\")");
}

}  // namespace
}  // namespace orva
