#include "cli/measuring_ahead.h"

#include <pthread.h>

#include <chrono>
#include <csignal>
#include <utility>

namespace orva {

namespace {

// Ctrl+C and the end signals are counted by the converter's thread, whose
// waits they must interrupt.
void IgnoreInterruptsOnThisThread() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

}  // namespace

MeasuringAhead::MeasuringAhead(std::vector<std::string> paths, MeasureOne measureOne,
                               std::function<void()> whenDone)
    : paths_(std::move(paths)), measured_(paths_.size()) {
  thread_ = std::thread([this, measureOne = std::move(measureOne), whenDone = std::move(whenDone)] {
    run(measureOne, whenDone);
  });
}

MeasuringAhead::~MeasuringAhead() {
  stop();
  thread_.join();
}

void MeasuringAhead::stop() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
}

void MeasuringAhead::run(const MeasureOne& measureOne, const std::function<void()>& whenDone) {
  IgnoreInterruptsOnThisThread();
  for (std::size_t i = 0; i < paths_.size() && !stopping_; ++i) {
    MeasuredFile file = measureOne(paths_[i]);
    const std::lock_guard<std::mutex> lock(mutex_);
    measured_[i] = std::move(file);
    measuredCount_ = i + 1;
    changed_.notify_all();
  }
  whenDone();
}

bool MeasuringAhead::take(std::size_t index, MeasuredFile& file, int waitMilliseconds) {
  std::unique_lock<std::mutex> lock(mutex_);
  const bool measured = changed_.wait_for(lock, std::chrono::milliseconds(waitMilliseconds),
                                          [&] { return measuredCount_ > index || stopping_; });
  if (!measured || measuredCount_ <= index) return false;
  file = std::move(measured_[index]);
  return true;
}

}  // namespace orva
