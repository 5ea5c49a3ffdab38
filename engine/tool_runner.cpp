#include "engine/tool_runner.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/line_splitter.h"

namespace orva {

namespace {

constexpr int kExitWaitMilliseconds = 1;
// The pipe can break a moment before the ended child can be reaped; this
// long is waited for its exit status before the end is reported.
constexpr int kReapGraceMilliseconds = 200;

std::function<void()>& Dispatcher() {
  static std::function<void()> dispatcher;
  return dispatcher;
}

void CloseHandles(ToolRunner& runner) {
  PlatformReleaseProcess(runner.process, runner.exitStatus);
  PlatformClose(runner.outputRead);
  PlatformClose(runner.inputWrite);
}

}  // namespace

bool LaunchTool(ToolRunner& runner) {
  char commandLine[kCommandCapacity] = {};
  std::memcpy(commandLine, runner.commandLine, sizeof commandLine - 1);
  runner.exitStatus = ExitStatus{};
  LaunchedChild child;
  if (!PlatformLaunch(commandLine, child, runner.launchOptions)) {
    runner.process = runner.outputRead = runner.inputWrite = kNoHandle;
    return false;
  }
  runner.process = child.process;
  runner.processId = child.processId;
  runner.outputRead = child.outputRead;
  runner.inputWrite = child.inputWrite;
  return true;
}

namespace {

// Drains the output and reports the end; waits up to `exitWaitMilliseconds`
// for a child whose pipe is still open to exit.
int PollToolWaiting(ToolRunner& runner, int exitWaitMilliseconds) {
  if (runner.process == kNoHandle) return 1;
  const bool exited = PlatformWaitExit(runner.process, exitWaitMilliseconds, runner.exitStatus);

  bool broken = false;
  for (;;) {
    std::size_t available = 0;
    const PipeState state = PlatformBytesAvailable(runner.outputRead, available);
    if (state != PipeState::Open) {
      broken = state == PipeState::Broken;
      break;
    }
    if (available == 0) return 0;  // an ended child is seen as broken next time
    const std::size_t wanted = std::min<std::size_t>(available, kReadCapacity - 1);
    const long got = PlatformRead(runner.outputRead, runner.readBuffer, wanted);
    if (got <= 0) {
      broken = got == 0;
      break;
    }
    runner.readBuffer[got] = '\0';
    runner.descriptor->onOutput(runner);
  }
  if (!broken && !exited) return 0;

  PlatformWaitExit(runner.process, kReapGraceMilliseconds, runner.exitStatus);
  CloseHandles(runner);
  return 1;
}

}  // namespace

int PollTool(ToolRunner& runner) { return PollToolWaiting(runner, kExitWaitMilliseconds); }

int PollToolNow(ToolRunner& runner) { return PollToolWaiting(runner, 0); }

int WriteToolInput(ToolRunner& runner, const char* text) {
  if (runner.inputWrite == kNoHandle) return 1;
  const std::size_t length = std::strlen(text);
  return PlatformWrite(runner.inputWrite, text, length) == static_cast<long>(length) ? 0 : 1;
}

void TerminateTool(ToolRunner& runner) {
  if (runner.process != kNoHandle) PlatformTerminate(runner.process, runner.exitStatus);
}

void AskToolToEnd(ToolRunner& runner) {
  if (runner.process != kNoHandle) PlatformRequestEnd(runner.process);
}

void AbandonTool(ToolRunner& runner) { CloseHandles(runner); }

void ReleaseOutputLines(ToolRunner& runner) {
  // The context's first member is its LineSplitter, so both share an address.
  LineSplitterRelease(*static_cast<LineSplitter*>(runner.context));
}

void ClearToolRunner(ToolRunner& runner) {
  runner.commandLine[0] = '\0';
  runner.readBuffer[0] = '\0';
  runner.process = runner.outputRead = runner.inputWrite = kNoHandle;
}

void PumpMessages(int cycles, int milliseconds) {
  for (int i = 0; i < cycles; ++i) {
    if (Dispatcher()) Dispatcher()();
    PlatformSleep(milliseconds);
  }
}

void SetMessageDispatcher(std::function<void()> dispatcher) {
  Dispatcher() = std::move(dispatcher);
}

}  // namespace orva
