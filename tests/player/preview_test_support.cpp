#include "preview_test_support.h"

#include <cstring>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace orva::test {

namespace {

using Clock = std::chrono::steady_clock;

bool Overdue(Clock::time_point start, int limitMs) {
  return Clock::now() - start > std::chrono::milliseconds(limitMs);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

long WaitForNumber(const std::string& path, int limitMs) {
  const auto start = Clock::now();
  for (;;) {
    const std::string text = ReadFile(path);
    if (!text.empty()) return std::atol(text.c_str());
    if (Overdue(start, limitMs)) return -1;
    usleep(2000);
  }
}

}  // namespace

void RecordingPreviewView::setPreviewLoaded(bool on) {
  slidersEnabled = on;
  if (on) return;
  pauseShown = false;
  playShown = true;
}

void RecordingPreviewView::setPreviewPlaying(bool on) {
  playShown = !on;
  pauseShown = on;
}

void RecordingPreviewView::invalidatePreview() {
  ++invalidations;
  frames.clear();
  firstPixels.clear();
}

void RecordingPreviewView::showFrame(const PreviewFrame& frame) {
  frames.push_back(frame);
  std::uint32_t first = 0;
  std::memcpy(&first, frame.pixels, sizeof first);
  firstPixels.push_back(first);
}

bool RecordingPreviewView::askYesNo(const std::string& text, const std::string& caption) {
  questions.emplace_back(text, caption);
  if (duringQuestion) duringQuestion();
  return answer;
}

void RecordingPreviewView::showMessage(const std::string& text, const std::string& caption) {
  messages.emplace_back(text, caption);
}

PreviewJobs::PreviewJobs(const ScratchFolder& folder, int count, double duration) {
  for (int i = 0; i < count; ++i) {
    JobItem* job = NewJobItem();
    std::snprintf(job->path, sizeof job->path, "%s", folder.file("clip" + std::to_string(i) + ".avi").c_str());
    SplitJobPath(*job);
    job->duration = duration;
    job->trim_end = duration;
    list.append(job);
  }
  list.renumber();
}

FakePlayer::FakePlayer(const std::string& script) {
  setenv("ORVA_FAKE_PLAYER", script.c_str(), 1);
  setenv("ORVA_FAKE_PLAYER_DIR", folder_.path().c_str(), 1);
}

std::string FakePlayer::program() { return ORVA_FAKE_PLAYER; }

std::vector<std::string> FakePlayer::arguments() const {
  std::istringstream in(ReadFile(folder_.file("args")));
  std::vector<std::string> found;
  for (std::string line; std::getline(in, line);) found.push_back(line);
  return found;
}

std::string FakePlayer::input() const { return ReadFile(folder_.file("input")); }

std::string FakePlayer::inputEndingWith(const std::string& tail, int limitMs) const {
  const auto start = Clock::now();
  for (;;) {
    const std::string text = input();
    const bool ends = text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    if (ends || Overdue(start, limitMs)) return text;
    usleep(2000);
  }
}

long FakePlayer::pid(int limitMs) const { return WaitForNumber(folder_.file("pid"), limitMs); }

long FakePlayer::helperPid(int limitMs) const { return WaitForNumber(folder_.file("helper"), limitMs); }

PreviewFixture::PreviewFixture(const std::string& script, int jobCount, double duration)
    : jobs(media, jobCount, duration), player(script), controller(view, FakePlayer::program(), jobs.list) {
  controller.setPreviewWindow(77, 640, 360);
}

bool WatchUntil(PreviewController& controller, const std::function<bool()>& done, int limitMs) {
  const auto start = Clock::now();
  while (!done()) {
    if (Overdue(start, limitMs)) return false;
    controller.onPlayerWatchTimer();
    usleep(5000);
  }
  return true;
}

bool ProcessRuns(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return false;
  // The state follows the parenthesised program name.
  const auto close = text.rfind(')');
  if (close == std::string::npos || close + 2 >= text.size()) return false;
  const char state = text[close + 2];
  return state != 'Z' && state != 'X';
}

}  // namespace orva::test
