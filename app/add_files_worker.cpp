#include "app/add_files_worker.h"

#include <algorithm>
#include <chrono>

#include "engine/media_probe.h"

namespace orva {

AddFilesWorker::AddFilesWorker(std::vector<std::string> paths, std::string probeProgramPath,
                               int parallelism)
    : paths_(std::move(paths)),
      probeProgramPath_(std::move(probeProgramPath)),
      parallelism_(std::max(1, parallelism)),
      results_(paths_.size(), nullptr),
      measured_(paths_.size(), false) {}

AddFilesWorker::~AddFilesWorker() {
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
  for (JobItem* job : takeReadyJobs()) delete job;
}

void AddFilesWorker::start() {
  const int count = std::min<int>(parallelism_, static_cast<int>(std::max<std::size_t>(1, paths_.size())));
  runningThreads_ = count;
  for (int i = 0; i < count; ++i) threads_.emplace_back([this] { measureLoop(); });
}

void AddFilesWorker::measureLoop() {
  for (;;) {
    const std::size_t index = nextIndex_.fetch_add(1);
    if (index >= paths_.size()) break;
    if (cancelled_) {
      storeResult(index, nullptr);
      continue;
    }
    const auto started = std::chrono::steady_clock::now();
    const auto keepWaiting = [this, started] {
      return !cancelled_ && std::chrono::steady_clock::now() - started <
                                std::chrono::milliseconds(kMeasureTimeLimitMilliseconds);
    };
    int result = 0;
    storeResult(index, MeasureFile(paths_[index].c_str(), probeProgramPath_.c_str(), result, keepWaiting));
  }
  if (runningThreads_.fetch_sub(1) == 1) finished_ = true;
}

void AddFilesWorker::storeResult(std::size_t index, JobItem* job) {
  std::lock_guard lock(mutex_);
  results_[index] = job;
  measured_[index] = true;
  while (firstUnmeasured_ < paths_.size() && measured_[firstUnmeasured_]) {
    if (results_[firstUnmeasured_] != nullptr) ready_.push_back(results_[firstUnmeasured_]);
    results_[firstUnmeasured_] = nullptr;
    ++firstUnmeasured_;
  }
}

std::string AddFilesWorker::currentFileText() const {
  std::lock_guard lock(mutex_);
  if (firstUnmeasured_ < paths_.size()) return paths_[firstUnmeasured_];
  return paths_.empty() ? std::string() : paths_.back();
}

std::vector<JobItem*> AddFilesWorker::takeReadyJobs() {
  std::lock_guard lock(mutex_);
  std::vector<JobItem*> taken;
  taken.swap(ready_);
  return taken;
}

int DefaultProbeParallelism() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace orva
