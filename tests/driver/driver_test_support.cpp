#include "driver_test_support.h"

#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace orva::test {

void RecordingView::setRowStatus(int row, const std::string& text) {
  statuses[row].push_back(text);
  if (onRowStatus) onRowStatus(row, text);
}

void RecordingView::setSummary(const std::string& text) { summaries.push_back(text); }

bool RecordingView::askIgnoreNotWritable(const std::string& folder) {
  questions.push_back(folder);
  return answer;
}

std::string RecordingView::status(int row) const {
  const auto found = statuses.find(row);
  return found == statuses.end() ? "" : found->second.back();
}

std::vector<std::string> RecordingView::results(int row) const {
  std::vector<std::string> found;
  const auto texts = statuses.find(row);
  if (texts == statuses.end()) return found;
  for (const std::string& text : texts->second) {
    if (text.back() != '%') found.push_back(text);
  }
  return found;
}

TestJobs::TestJobs(const ScratchFolder& folder, int count, double duration, RecordingView& view) {
  for (int i = 0; i < count; ++i) {
    JobItem* job = NewJobItem();
    std::snprintf(job->path, sizeof job->path, "%s", folder.file("clip" + std::to_string(i) + ".avi").c_str());
    SplitJobPath(*job);
    job->duration = duration;
    job->trim_end = duration;
    job->profile = currentProfile;
    list.append(job);
  }
  list.renumber();
  view.rows = count;
}

void SetFakeScript(const std::string& script) { setenv("ORVA_FAKE_ENCODER", script.c_str(), 1); }

void SetFakeScriptFor(const std::string& source, const std::string& script) {
  std::string variable = "ORVA_FAKE_ENCODER_" + source;
  for (char& c : variable) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
  }
  if (script.empty()) {
    unsetenv(variable.c_str());
  } else {
    setenv(variable.c_str(), script.c_str(), 1);
  }
}

namespace {

using Clock = std::chrono::steady_clock;

bool Overdue(Clock::time_point start, int limitMs) {
  return Clock::now() - start > std::chrono::milliseconds(limitMs);
}

}  // namespace

template <typename Paced>
bool RunWhileTimersRun(Paced& paced, RecordingView& view, const std::function<void()>& onTick, int limitMs) {
  const auto start = Clock::now();
  for (int tick = 0; view.timersRunning; ++tick) {
    if (Overdue(start, limitMs)) return false;
    if (onTick) onTick();
    paced.onEncoderTimer();
    if (tick % 2 == 1) paced.onProgressTimer();
    usleep(2000);
  }
  return true;
}

template bool RunWhileTimersRun(ConversionDriver&, RecordingView&, const std::function<void()>&, int);
template bool RunWhileTimersRun(ConversionLanes&, RecordingView&, const std::function<void()>&, int);

bool PollUntilEncoded(ConversionDriver& driver, double seconds, int limitMs) {
  const auto start = Clock::now();
  while (driver.state().encodedSeconds < seconds) {
    if (Overdue(start, limitMs)) return false;
    driver.onEncoderTimer();
    usleep(2000);
  }
  return true;
}

}  // namespace orva::test
