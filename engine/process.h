// Platform layer for child processes and their pipes.
//
// The runner (tool_runner.h) is written against these few calls only; each
// operating system supplies them in its own file (process_posix.cpp, ...).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orva {

// A process or pipe handle of the platform: a pid or file descriptor on
// POSIX, a HANDLE on Windows. kNoHandle marks "none".
using OsHandle = std::intptr_t;
inline constexpr OsHandle kNoHandle = -1;

// How a child ended, kept for owners that want more than its output.
struct ExitStatus {
  bool known = false;     // the child has been reaped
  bool exited = false;    // it returned from main or called exit
  int code = 0;           // exit code when exited
  int signal = 0;         // the signal that ended it otherwise
  bool success() const { return known && exited && code == 0; }
};

struct LaunchedChild {
  OsHandle process = kNoHandle;
  std::uint32_t processId = 0;
  OsHandle outputRead = kNoHandle;  // child's stdout and stderr, merged
  OsHandle inputWrite = kNoHandle;  // child's stdin
};

struct LaunchOptions {
  // End the child when the launching process dies, even by SIGKILL. Used by
  // the encoder program for the encoder it drives; the main program leaves
  // its children alone so that a stopped encoder can finish its file.
  bool endWithParent = false;
  // One more descriptor the child keeps, under the same number (above the
  // standard three): the preview player's picture memory.
  OsHandle sharedHandle = kNoHandle;
};

// Starts the command line (program first; blanks separate arguments, double
// quotes group them and are removed). The child runs hidden in a process
// group of its own, holds only its own pipe ends, and gets stdout and stderr
// on the one output pipe. Returns false with nothing left open when the
// program cannot be started.
bool PlatformLaunch(const char* commandLine, LaunchedChild& child,
                    const LaunchOptions& options = {});

// Waits at most `milliseconds` for the child to end. Returns true once it has
// ended; the child is then reaped and `status` says how it ended. Calling it
// again after the end returns true at once.
bool PlatformWaitExit(OsHandle process, int milliseconds, ExitStatus& status);

enum class PipeState { Open, Broken, Failed };

// Non-blocking: how many bytes can be read from the pipe now. Broken means
// nothing is left to read and every writer is gone.
PipeState PlatformBytesAvailable(OsHandle pipe, std::size_t& available);

// Waits at most `milliseconds` until the pipe can be read or every writer
// is gone. True when it can be read now (or is broken); false after the
// time, when a signal came first, or for no pipe at all (after the time).
bool PlatformWaitReadable(OsHandle pipe, int milliseconds);

// The same for several pipes at once: true as soon as any of them can be
// read (or is broken). Handles that are none are passed over.
bool PlatformWaitAnyReadable(const std::vector<OsHandle>& pipes, int milliseconds);

// Reads at most `size` bytes; returns the count, 0 at end of stream, -1 on
// failure.
long PlatformRead(OsHandle pipe, char* buffer, std::size_t size);

// Writes all bytes; returns the count written, -1 on failure. A reader that
// is gone makes it fail instead of ending the program.
long PlatformWrite(OsHandle pipe, const char* data, std::size_t size);

void PlatformClose(OsHandle& handle);  // sets the handle to kNoHandle

// Ends the child at once (the exit code is not chosen on POSIX). A child
// already reaped (`status` known) is not signalled: its id may have been
// reused. True when the signal was sent.
bool PlatformTerminate(OsHandle process, const ExitStatus& status);

// Asks the child, and what it started in its group, to end; a child may
// ignore the request, so whoever waits for the end needs PlatformTerminate
// as a last resort.
void PlatformRequestEnd(OsHandle process);

// Releases a process handle. A child not yet reaped (`status` unknown) is
// reaped as soon as it ends, so no zombie is left behind.
void PlatformReleaseProcess(OsHandle& process, const ExitStatus& status);

void PlatformSleep(int milliseconds);

// Whether a process of that id is still alive (ours or another user's).
bool PlatformProcessExists(long processId);

enum class PathPresence { Absent, Present, Unknown };

// Whether anything (a file, a folder, a dangling link) is at `path`. Unknown
// when that cannot be told: a folder without search permission, a name too
// long for the file system, an input/output error.
PathPresence PlatformPathPresence(const char* path);

enum class MoveResult { Moved, Taken, Failed };

// How a move without replacing is made. Best: the no-replace rename, and
// where the file system refuses it (NFS, some user-space file systems) a
// hard link to the new name, then the old name removed. LinkThenUnlink
// takes that second way at once, so that it can be tried on any file
// system.
enum class MoveWay { Best, LinkThenUnlink };

// Renames `from` to `to` only when nothing is at `to`, so that no file is
// replaced (on a file system that offers neither a no-replace rename nor
// hard links, a file made in the instant between look and rename still
// could be). Taken when something is there.
MoveResult PlatformMoveWithoutReplacing(const char* from, const char* to, MoveWay way = MoveWay::Best);

// This machine's name, "" when it has none.
std::string PlatformHostName();

// Folder of the running executable, without its final separator.
std::string PlatformExecutableFolder();

// How many processors this program may run on: those of its affinity mask,
// so that a container's or a taskset's limit counts; at least 1.
int PlatformUsableProcessors();

// The separator between folder and file names on this platform.
inline constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

}  // namespace orva
