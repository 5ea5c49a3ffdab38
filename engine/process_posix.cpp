// Child processes and pipes on POSIX systems.
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <linux/close_range.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cerrno>
#include <climits>
#include <mutex>
#include <string>
#include <vector>

#include "engine/command_line.h"
#include "engine/process.h"

namespace orva {

namespace {

// Children released before they ended; reaped as they end.
std::mutex unreapedLock;
std::vector<pid_t> unreaped;

void ReapReleased() {
  std::lock_guard<std::mutex> guard(unreapedLock);
  std::erase_if(unreaped, [](pid_t pid) {
    const pid_t r = waitpid(pid, nullptr, WNOHANG);
    return r == pid || (r < 0 && errno == ECHILD);
  });
}

void IgnoreBrokenPipes() {
  // A child that closes its input must make our write fail, not end us.
  static std::once_flag once;
  std::call_once(once, [] { signal(SIGPIPE, SIG_IGN); });
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// Marks every descriptor above the standard three close-on-exec, so the
// program started gets nothing we inherited ourselves without that mark.
void KeepOnlyStandardStreams() {
  if (syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC) == 0) return;
  const long limit = std::min(sysconf(_SC_OPEN_MAX), 65536L);
  for (int fd = 3; fd < limit; ++fd) fcntl(fd, F_SETFD, FD_CLOEXEC);
}

// Runs in the forked child: wire the pipes and start the program. Only
// async-signal-safe calls are made here.
[[noreturn]] void StartChild(char* const* argv, int inputRead, int outputWrite,
                             int errorWrite, bool endWithParent, int shared, pid_t parent) {
  setpgid(0, 0);  // own process group: a terminal's Ctrl+C is ours to pass on
  if (endWithParent) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
  }
  signal(SIGPIPE, SIG_DFL);
  signal(SIGINT, SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);

  // When our own standard streams were closed, the pipes may have taken
  // descriptors 0 to 2; lift them above 2 first so that wiring one cannot
  // overwrite another (and dup2 clears close-on-exec on every copy).
  inputRead = fcntl(inputRead, F_DUPFD_CLOEXEC, 3);
  outputWrite = fcntl(outputWrite, F_DUPFD_CLOEXEC, 3);
  if (inputRead < 0 || outputWrite < 0) _exit(127);
  dup2(inputRead, STDIN_FILENO);
  dup2(outputWrite, STDOUT_FILENO);
  dup2(outputWrite, STDERR_FILENO);
  KeepOnlyStandardStreams();
  if (shared > STDERR_FILENO) fcntl(shared, F_SETFD, 0);  // a failure shows as a bad descriptor there
  execvp(argv[0], argv);

  const int error = errno;
  const ssize_t ignored = write(errorWrite, &error, sizeof error);
  (void)ignored;
  _exit(127);
}

ExitStatus StatusFromWait(int wstatus) {
  ExitStatus status;
  status.known = true;
  status.exited = WIFEXITED(wstatus);
  status.code = status.exited ? WEXITSTATUS(wstatus) : 0;
  status.signal = WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0;
  return status;
}

}  // namespace

bool PlatformLaunch(const char* commandLine, LaunchedChild& child,
                    const LaunchOptions& options) {
  IgnoreBrokenPipes();
  ReapReleased();
  std::vector<std::string> arguments = SplitCommandLine(commandLine);
  if (arguments.empty() || arguments[0].empty()) return false;
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  // Every end is close-on-exec: the child keeps only the three it is given.
  int output[2], input[2], error[2];
  if (pipe2(output, O_CLOEXEC) != 0) return false;
  if (pipe2(input, O_CLOEXEC) != 0) {
    close(output[0]);
    close(output[1]);
    return false;
  }
  if (pipe2(error, O_CLOEXEC) != 0) {
    for (int fd : {output[0], output[1], input[0], input[1]}) close(fd);
    return false;
  }

  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) StartChild(argv.data(), input[0], output[1], error[1], options.endWithParent,
                             static_cast<int>(options.sharedHandle), parent);

  close(output[1]);
  close(input[0]);
  close(error[1]);
  int childError = 0;
  ssize_t got;
  do {
    got = read(error[0], &childError, sizeof childError);
  } while (got < 0 && errno == EINTR);
  close(error[0]);

  if (pid < 0 || got > 0) {
    if (pid > 0) waitpid(pid, nullptr, 0);
    close(output[0]);
    close(input[1]);
    return false;
  }
  child.process = pid;
  child.processId = static_cast<std::uint32_t>(pid);
  child.outputRead = output[0];
  child.inputWrite = input[1];
  return true;
}

bool PlatformWaitExit(OsHandle process, int milliseconds, ExitStatus& status) {
  if (status.known) return true;
  const auto pid = static_cast<pid_t>(process);
  for (int waited = 0;; ++waited) {
    int wstatus = 0;
    const pid_t r = waitpid(pid, &wstatus, WNOHANG);
    if (r == pid) {
      status = StatusFromWait(wstatus);
      return true;
    }
    if (r < 0 && errno != EINTR) return true;  // reaped elsewhere: it has ended
    if (waited >= milliseconds) return false;
    usleep(1000);
  }
}

PipeState PlatformBytesAvailable(OsHandle pipe, std::size_t& available) {
  available = 0;
  pollfd entry{static_cast<int>(pipe), POLLIN, 0};
  int ready;
  do {
    ready = poll(&entry, 1, 0);
  } while (ready < 0 && errno == EINTR);
  if (ready < 0 || (entry.revents & (POLLNVAL | POLLERR)) != 0) return PipeState::Failed;
  if (ready == 0) return PipeState::Open;
  int count = 0;
  if ((entry.revents & POLLIN) != 0 && ioctl(entry.fd, FIONREAD, &count) != 0) {
    return PipeState::Failed;
  }
  if (count == 0 && (entry.revents & POLLHUP) != 0) return PipeState::Broken;
  available = static_cast<std::size_t>(count);
  return PipeState::Open;
}

bool PlatformWaitReadable(OsHandle pipe, int milliseconds) {
  if (pipe == kNoHandle) {
    PlatformSleep(milliseconds);
    return false;
  }
  pollfd entry{static_cast<int>(pipe), POLLIN, 0};
  return poll(&entry, 1, std::max(milliseconds, 0)) > 0;
}

bool PlatformWaitAnyReadable(const std::vector<OsHandle>& pipes, int milliseconds) {
  std::vector<pollfd> entries;
  for (const OsHandle pipe : pipes) {
    if (pipe != kNoHandle) entries.push_back(pollfd{static_cast<int>(pipe), POLLIN, 0});
  }
  if (entries.empty()) {
    PlatformSleep(milliseconds);
    return false;
  }
  return poll(entries.data(), entries.size(), std::max(milliseconds, 0)) > 0;
}

long PlatformRead(OsHandle pipe, char* buffer, std::size_t size) {
  ssize_t n;
  do {
    n = read(static_cast<int>(pipe), buffer, size);
  } while (n < 0 && errno == EINTR);
  return static_cast<long>(n);
}

long PlatformWrite(OsHandle pipe, const char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = write(static_cast<int>(pipe), data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return -1;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

void PlatformClose(OsHandle& handle) {
  int fd = static_cast<int>(handle);
  CloseFd(fd);
  handle = kNoHandle;
}

bool PlatformTerminate(OsHandle process, const ExitStatus& status) {
  const auto pid = static_cast<pid_t>(process);
  // Once reaped, the id may already belong to an unrelated process (group).
  if (pid <= 0 || status.known) return false;
  kill(-pid, SIGKILL);  // the child leads its own group: end what it started too
  kill(pid, SIGKILL);
  return true;
}

void PlatformRequestEnd(OsHandle process) {
  const auto pid = static_cast<pid_t>(process);
  if (pid <= 0) return;
  kill(-pid, SIGTERM);
  kill(pid, SIGTERM);
}

void PlatformReleaseProcess(OsHandle& process, const ExitStatus& status) {
  const auto pid = static_cast<pid_t>(process);
  process = kNoHandle;
  if (pid <= 0 || status.known) return;
  if (waitpid(pid, nullptr, WNOHANG) == pid) return;
  std::lock_guard<std::mutex> guard(unreapedLock);
  unreaped.push_back(pid);
}

void PlatformSleep(int milliseconds) {
  if (milliseconds > 0) usleep(static_cast<useconds_t>(milliseconds) * 1000);
}

bool PlatformProcessExists(long processId) {
  return processId > 0 && (kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM);
}

PathPresence PlatformPathPresence(const char* path) {
  struct stat info {};
  if (lstat(path, &info) == 0) return PathPresence::Present;
  return errno == ENOENT ? PathPresence::Absent : PathPresence::Unknown;
}

namespace {

bool SameFile(const char* a, const char* b) {
  struct stat first{}, second{};
  return stat(a, &first) == 0 && stat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

// A hard link fails on an existing name just as the no-replace rename does.
// Over NFS a link whose reply was lost is sent again and answered "exists":
// when the name holds our own file, the link was made. `unsupported` is set
// when the file system has no hard links.
MoveResult MoveByLink(const char* from, const char* to, bool& unsupported) {
  unsupported = false;
  if (link(from, to) != 0) {
    const int error = errno;
    if (!SameFile(from, to)) {
      if (error == EEXIST) return MoveResult::Taken;
      unsupported = error == EPERM || error == ENOTSUP || error == ENOSYS;
      return MoveResult::Failed;
    }
  }
  unlink(from);
  return MoveResult::Moved;
}

}  // namespace

MoveResult PlatformMoveWithoutReplacing(const char* from, const char* to, MoveWay way) {
  if (way == MoveWay::Best) {
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return MoveResult::Moved;
    if (errno == EEXIST) return MoveResult::Taken;
    if (errno != EINVAL && errno != ENOSYS) return MoveResult::Failed;
  }
  bool unsupported = false;
  const MoveResult linked = MoveByLink(from, to, unsupported);
  if (!unsupported || way == MoveWay::LinkThenUnlink) return linked;
  // Neither (some user-space file systems): look, then rename. Only a file
  // made in the moment between the two can still be replaced.
  if (PlatformPathPresence(to) != PathPresence::Absent) return MoveResult::Taken;
  return rename(from, to) == 0 ? MoveResult::Moved : MoveResult::Failed;
}

std::string PlatformHostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "";
  return name;
}

std::string PlatformExecutableFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string folder(path, static_cast<std::size_t>(n));
  const auto slash = folder.rfind('/');
  return slash == std::string::npos || slash == 0 ? folder.substr(0, slash + 1)
                                                   : folder.substr(0, slash);
}

int PlatformUsableProcessors() {
  cpu_set_t mask;
  CPU_ZERO(&mask);
  if (sched_getaffinity(0, sizeof mask, &mask) == 0) return std::max(CPU_COUNT(&mask), 1);
  return static_cast<int>(std::max(sysconf(_SC_NPROCESSORS_ONLN), 1L));
}

}  // namespace orva
