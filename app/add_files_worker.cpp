#include "app/add_files_worker.h"

#include <chrono>

#include "engine/probe_session.h"

namespace orva {

AddFilesWorker::AddFilesWorker(std::vector<std::string> paths, std::string probeProgramPath)
    : paths_(std::move(paths)), probeProgramPath_(std::move(probeProgramPath)) {}

AddFilesWorker::~AddFilesWorker() {
  if (thread_.joinable()) thread_.join();
  for (JobItem* job : takeReadyJobs()) delete job;
}

void AddFilesWorker::start() {
  thread_ = std::thread([this] { measureAll(); });
}

bool AddFilesWorker::keepWaiting(std::chrono::steady_clock::time_point started) const {
  return !cancelled_ && std::chrono::steady_clock::now() - started <
                            std::chrono::milliseconds(kMeasureTimeLimitMilliseconds);
}

// A file the program dies on, or takes too long over, ends that program;
// the session starts a new one for the next file, so it costs that file
// alone.
void AddFilesWorker::measureAll() {
  {
    ProbeSession session(probeProgramPath_);
    for (std::size_t index = 0; index < paths_.size() && !cancelled_; ++index) {
      {
        std::lock_guard lock(mutex_);
        current_ = index;
      }
      const auto started = std::chrono::steady_clock::now();
      int result = 0;
      JobItem* job = session.measure(paths_[index].c_str(), result, [this, started] { return keepWaiting(started); });
      if (job == nullptr) continue;
      std::lock_guard lock(mutex_);
      ready_.push_back(job);
    }
  }  // the session ends its program here, before the dialog may close
  finished_ = true;
}

std::string AddFilesWorker::currentFileText() const {
  std::lock_guard lock(mutex_);
  return current_ < paths_.size() ? paths_[current_] : std::string();
}

std::vector<JobItem*> AddFilesWorker::takeReadyJobs() {
  std::lock_guard lock(mutex_);
  std::vector<JobItem*> taken;
  taken.swap(ready_);
  return taken;
}

}  // namespace orva
