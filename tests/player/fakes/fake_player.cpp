// A fake preview player. It records its arguments (one per line) in
// "$ORVA_FAKE_PLAYER_DIR/args", its process id in ".../pid" and every byte
// of its standard input in ".../input", then follows the words of the
// script in ORVA_FAKE_PLAYER:
//   ct:XXXXXXX  print that line          sleep:N   sleep N ms
//   wait        read one input line      exit      end well now
//   abort       crash                    stubborn  ignore SIGTERM and SIGINT
//   helper      start a process of its own that ignores SIGTERM and sleeps;
//               its id goes to ".../helper"
//   linger:N    slow to end: an end request (SIGTERM or SIGINT) is noted in
//               ".../asked" and obeyed N ms later; once that is set up,
//               ".../lingering" gets a line "lingering <process id>"
// After the script it records its input until that is closed, then ends.
#include <fcntl.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::string Folder() {
  const char* folder = std::getenv("ORVA_FAKE_PLAYER_DIR");
  return folder != nullptr ? folder : ".";
}

void Append(const std::string& name, const std::string& text) {
  const int fd = open((Folder() + "/" + name).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd < 0) return;
  const ssize_t ignored = write(fd, text.data(), text.size());
  (void)ignored;
  close(fd);
}

// Reads one chunk of input and records it; false at the end of input.
bool RecordInput() {
  char buffer[256];
  const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
  if (got <= 0) return false;
  Append("input", std::string(buffer, static_cast<std::size_t>(got)));
  return true;
}

void WaitForLine() {
  // Byte by byte, so that a second command stays for the next wait.
  for (char byte = 0; byte != '\n';) {
    if (read(STDIN_FILENO, &byte, 1) != 1) return;
    Append("input", std::string(1, byte));
  }
}

void IgnoreEndRequests() {
  signal(SIGTERM, SIG_IGN);
  signal(SIGINT, SIG_IGN);
}

char askedPath[4096];
int lingerMs = 0;
volatile sig_atomic_t endAsked = 0;

void EndNow(int) { _exit(0); }

void EndLater(int) {
  if (endAsked) return;
  endAsked = 1;
  const int fd = open(askedPath, O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd >= 0) {
    const ssize_t ignored = write(fd, "asked\n", 6);
    (void)ignored;
    close(fd);
  }
  itimerval later{};
  later.it_value.tv_sec = lingerMs / 1000;
  later.it_value.tv_usec = (lingerMs % 1000) * 1000;
  setitimer(ITIMER_REAL, &later, nullptr);
}

void Linger(int milliseconds) {
  std::snprintf(askedPath, sizeof askedPath, "%s/asked", Folder().c_str());
  lingerMs = milliseconds > 0 ? milliseconds : 1;
  signal(SIGALRM, EndNow);
  signal(SIGTERM, EndLater);
  signal(SIGINT, EndLater);
  Append("lingering", "lingering " + std::to_string(getpid()) + "\n");
}

void StartHelper() {
  const pid_t helper = fork();
  if (helper == 0) {
    IgnoreEndRequests();
    for (;;) pause();
  }
  Append("helper", std::to_string(helper));
}

}  // namespace

int main(int argc, char** argv) {
  std::string arguments;
  for (int i = 1; i < argc; ++i) arguments += std::string(argv[i]) + "\n";
  Append("args", arguments);
  Append("pid", std::to_string(getpid()));

  std::istringstream script(std::getenv("ORVA_FAKE_PLAYER") != nullptr ? std::getenv("ORVA_FAKE_PLAYER") : "");
  for (std::string word; script >> word;) {
    if (word.rfind("ct:", 0) == 0) {
      std::printf("%s\n", word.c_str());
      std::fflush(stdout);
    } else if (word.rfind("sleep:", 0) == 0) {
      usleep(static_cast<useconds_t>(std::atoi(word.c_str() + 6)) * 1000);
    } else if (word == "wait") {
      WaitForLine();
    } else if (word == "exit") {
      return 0;
    } else if (word == "abort") {
      std::abort();
    } else if (word == "stubborn") {
      IgnoreEndRequests();
    } else if (word.rfind("linger:", 0) == 0) {
      Linger(std::atoi(word.c_str() + 7));
    } else if (word == "helper") {
      StartHelper();
    }
  }
  while (RecordInput()) {
  }
  return 0;
}
