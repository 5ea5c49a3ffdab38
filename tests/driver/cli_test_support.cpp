#include "cli_test_support.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace orva::test {

namespace fs = std::filesystem;

constexpr int kInterruptPollMs = 10;
constexpr int kInterruptWaitLimitMs = 60000;

ProgramFolder::ProgramFolder(const std::string& encoder) {
  // A copy, not a link: the program finds its folder from its own file.
  fs::copy_file(ORVA_CONVERT, scratch_.file("orva-convert"));
  fs::create_symlink(ORVA_BATCH_PROBE, scratch_.file("orva-probe"));
  fs::create_symlink(encoder, scratch_.file("cv.dat"));
}

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

CliResult ProgramFolder::run(const std::vector<std::string>& arguments,
                             const std::function<bool()>& interruptWhen, int signalNumber) const {
  return start("/dev/null", arguments, interruptWhen, signalNumber);
}

CliResult ProgramFolder::runWithInput(const std::string& inputPath, const std::vector<std::string>& arguments) const {
  return start(inputPath, arguments, {}, SIGINT);
}

CliResult ProgramFolder::start(const std::string& inputPath, const std::vector<std::string>& arguments,
                               const std::function<bool()>& interruptWhen, int signalNumber) const {
  const std::string program = file("orva-convert");
  const std::string outPath = file("stdout.txt");
  const std::string errPath = file("stderr.txt");
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);  // a group of its own, like a job of a shell
    if (freopen(inputPath.c_str(), "r", stdin) == nullptr || freopen(outPath.c_str(), "w", stdout) == nullptr ||
        freopen(errPath.c_str(), "w", stderr) == nullptr) {
      _exit(127);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  setpgid(pid, pid);
  int wstatus = 0;
  bool ended = false;
  if (interruptWhen) {
    for (int waited = 0; waited < kInterruptWaitLimitMs && !interruptWhen(); waited += kInterruptPollMs) {
      if (waitpid(pid, &wstatus, WNOHANG) == pid) {
        ended = true;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(kInterruptPollMs));
    }
    if (!ended) kill(-pid, signalNumber);
  }
  if (!ended) waitpid(pid, &wstatus, 0);
  CliResult result;
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  result.out = ReadAll(outPath);
  result.err = ReadAll(errPath);
  return result;
}

}  // namespace orva::test
