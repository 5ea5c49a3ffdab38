#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "tools/player/player_loop.h"

namespace orva::player {

namespace {

constexpr int kExitNoLibrary = 3;
constexpr int kRepeatMilliseconds = 1000;
constexpr unsigned kTeardownSeconds = 2;

// Written to by the signal handler and the library's wake-up callback; the
// loop sleeps in poll() until one of them or standard input has something.
int stopPipe[2] = {-1, -1};
int wakePipe[2] = {-1, -1};

void Nudge(int fd) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = write(fd, &byte, 1);
}

void OnStopSignal(int) {
  const int saved = errno;
  Nudge(stopPipe[1]);
  errno = saved;
}

bool OpenPipe(int (&ends)[2]) { return pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0; }

void Drain(int fd) {
  char buffer[64];
  while (read(fd, buffer, sizeof buffer) > 0) {
  }
}

void WatchStopSignals() {
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);  // a window that went away shows as a failed write
}

// The "ct:" lines go to a copy of the original standard output, and
// descriptor 1 then points at standard error: whatever a library prints can
// never land in the middle of a position line.
int TakeProtocolOutput() {
  const int protocol = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
  if (protocol >= 0) dup2(STDERR_FILENO, STDOUT_FILENO);
  return protocol;
}

bool WriteLine(int fd, const std::string& line) {
  // One write per line, far below the pipe's atomic size, so lines never interleave.
  ssize_t written;
  do {
    written = write(fd, line.data(), line.size());
  } while (written < 0 && errno == EINTR);
  return written == static_cast<ssize_t>(line.size());
}

// Reads what standard input has; false once it has ended.
bool ReadCommands(CommandReader& reader, MpvPlayer& player) {
  char buffer[512];
  const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
  if (got < 0) return errno == EINTR || errno == EAGAIN;
  if (got == 0) return false;
  for (const PlayerCommand& command : reader.feed(buffer, static_cast<std::size_t>(got))) {
    player.obey(command);
  }
  return true;
}

int Loop(MpvPlayer& player) {
  CommandReader reader;
  bool inputOpen = true;
  for (;;) {
    // A closed standard input stops nothing: the window stops the player by
    // ending its process, and a vanished window shows as a failed write.
    pollfd watched[3] = {{stopPipe[0], POLLIN, 0},
                         {wakePipe[0], POLLIN, 0},
                         {inputOpen ? STDIN_FILENO : -1, POLLIN, 0}};
    const int ready = poll(watched, 3, kRepeatMilliseconds);
    if (ready < 0 && errno != EINTR) return 0;
    if (watched[0].revents != 0) return 0;
    if (ready == 0 && !player.repeatPosition()) return player.exitCode();
    if (watched[1].revents != 0) Drain(wakePipe[0]);
    if (watched[2].revents != 0) inputOpen = ReadCommands(reader, player);
    if (!player.handleEvents()) return player.exitCode();
  }
}

}  // namespace

int RunPlayer(const PlayerOptions& options, OutputMode mode) {
  if (!OpenPipe(stopPipe) || !OpenPipe(wakePipe)) return kExitNoLibrary;
  WatchStopSignals();
  const int protocol = TakeProtocolOutput();
  MpvPlayer player([protocol](const std::string& line) { return WriteLine(protocol, line); },
                   [] { Nudge(wakePipe[1]); });
  std::string error;
  if (!player.start(options, mode, error)) {
    std::fprintf(stderr, "py.dat: %s\n", error.c_str());
    return kExitNoLibrary;
  }
  const int code = Loop(player);
  // The library closes its outputs as the player is destroyed; should that
  // ever hang, the alarm's default action still ends the process.
  alarm(kTeardownSeconds);
  return code;
}

}  // namespace orva::player
