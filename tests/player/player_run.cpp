#include "player_run.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "media_clip.h"

namespace orva::player::test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string PlayerProgram() { return std::string(ORVA_PROGRAM_FOLDER) + "/py.dat"; }

const std::string& ClipOf(int seconds) {
  static std::map<int, std::string> clips;
  auto found = clips.find(seconds);
  if (found != clips.end()) return found->second;
  // Test processes run in parallel: each makes its own copy and the rename
  // makes the first finished one the clip.
  const std::string path = std::string(ORVA_PLAYER_TEST_DIR) + "/clip-" +
                           std::to_string(seconds) + "s.mkv";
  if (!fs::exists(path)) {
    const std::string part = path + ".part-" + std::to_string(getpid()) + ".mkv";
    if (orva::test::MakeClip(part, seconds)) fs::rename(part, path);
  }
  return clips[seconds] = path;
}

PlayerRun::PlayerRun(const std::string& arguments) : PlayerRun(arguments, LaunchOptions{}) {}

PlayerRun::PlayerRun(const std::string& arguments, const LaunchOptions& options) {
  const std::string commandLine = "\"" + PlayerProgram() + "\" " + arguments;
  PlatformLaunch(commandLine.c_str(), child_, options);
}

PlayerRun::~PlayerRun() {
  if (!started()) return;
  if (!PlatformWaitExit(child_.process, 0, status_)) {
    PlatformTerminate(child_.process, status_);
    PlatformWaitExit(child_.process, 5000, status_);
  }
  PlatformClose(child_.outputRead);
  PlatformClose(child_.inputWrite);
  PlatformReleaseProcess(child_.process, status_);
}

void PlayerRun::send(const std::string& text) {
  PlatformWrite(child_.inputWrite, text.data(), text.size());
}

void PlayerRun::closeOutput() { PlatformClose(child_.outputRead); }

void PlayerRun::pump() {
  std::size_t available = 0;
  while (child_.outputRead != kNoHandle &&
         PlatformBytesAvailable(child_.outputRead, available) == PipeState::Open && available > 0) {
    char buffer[4096];
    const long got = PlatformRead(child_.outputRead, buffer, std::min(available, sizeof buffer));
    if (got <= 0) break;
    for (long i = 0; i < got; ++i) {
      if (buffer[i] == '\n') {
        takeLine(pending_);
        pending_.clear();
      } else {
        pending_.push_back(buffer[i]);
      }
    }
  }
}

void PlayerRun::takeLine(const std::string& line) {
  FrameAnnouncement frame;
  if (ParseFrameLine(line.data(), line.size(), frame)) {
    frames_.push_back(frame);
  } else if (line.rfind("ct:", 0) == 0) {
    positionLines_.push_back(line);
    positions_.push_back(std::atof(line.c_str() + 3));
  } else {
    otherOutput_ += line + "\n";
  }
}

bool PlayerRun::waitFor(const std::function<bool()>& done, int milliseconds) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    pump();
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    PlatformSleep(5);
  }
}

bool PlayerRun::waitForPositions(std::size_t count, int milliseconds) {
  return waitFor([&] { return positions_.size() >= count; }, milliseconds);
}

bool PlayerRun::waitForNextPosition(int milliseconds) {
  const double now = lastPosition();
  return waitFor([&] { return lastPosition() > now; }, milliseconds);
}

bool PlayerRun::waitForExit(int milliseconds) {
  if (!waitFor([&] { return PlatformWaitExit(child_.process, 0, status_); }, milliseconds)) {
    return false;
  }
  pump();  // what it printed last
  return true;
}

int PlayerRun::exitCode() const {
  if (!status_.known) return -1;
  return status_.exited ? status_.code : 128 + status_.signal;
}

}  // namespace orva::player::test
