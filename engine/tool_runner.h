// One external program in use: its command line, its pipes and the three
// operations that make it a probe, an encoder or a player.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/process.h"

namespace orva {

struct ToolRunner;

// The constant table of operations of one kind of external program.
struct ToolDescriptor {
  // Writes `commandLine` from `programPath` and the context; 0 on success.
  int (*buildCommand)(ToolRunner& runner);
  // Digests the NUL-terminated chunk in `readBuffer`.
  void (*onOutput)(ToolRunner& runner);
  // Final digest after the end; frees what the other two allocated.
  void (*onFinish)(ToolRunner& runner);
};

inline constexpr int kPathCapacity = 260;
inline constexpr int kCommandCapacity = 1024;
inline constexpr int kReadCapacity = 512;

struct ToolRunner {
  char programPath[kPathCapacity] = {};
  char commandLine[kCommandCapacity] = {};
  char readBuffer[kReadCapacity] = {};
  OsHandle process = kNoHandle;
  std::uint32_t processId = 0;
  OsHandle outputRead = kNoHandle;
  OsHandle inputWrite = kNoHandle;
  void* context = nullptr;
  const ToolDescriptor* descriptor = nullptr;
  // How the last child ended; filled when PollTool reports the end.
  ExitStatus exitStatus;
  LaunchOptions launchOptions;
};

// Starts `commandLine`. The owner has set the handles to none before.
bool LaunchTool(ToolRunner& runner);

// One non-blocking step: drains the output (onOutput per chunk of at most
// 511 bytes) and returns 1 once the child has ended or none runs, else 0.
int PollTool(ToolRunner& runner);
// The same step for a caller woken by the output itself, such as a window's
// thread: it never waits for the child to exit; its end shows as a broken
// pipe, after which the exit status is collected.
int PollToolNow(ToolRunner& runner);

// 0 when every byte of `text` reached the child's input, 1 otherwise.
int WriteToolInput(ToolRunner& runner, const char* text);

// Ends the running child at once (the player's stop).
void TerminateTool(ToolRunner& runner);

// Asks the running child to end; it may refuse (see TerminateTool).
void AskToolToEnd(ToolRunner& runner);

// Gives up a child that would not end: closes the pipes and lets go of the
// process, which is reaped whenever it does end. The runner is idle after.
void AbandonTool(ToolRunner& runner);

// The onFinish of every tool whose context record begins with the
// LineSplitter of its output: frees the splitter's buffers.
void ReleaseOutputLines(ToolRunner& runner);

// Resets the runner for a new run: empty command line and buffer, no handles.
void ClearToolRunner(ToolRunner& runner);

// Dispatches pending window messages, then sleeps, `cycles` times. The window
// installs its event loop as the dispatcher; without one it only sleeps.
void PumpMessages(int cycles, int milliseconds);
void SetMessageDispatcher(std::function<void()> dispatcher);

}  // namespace orva
