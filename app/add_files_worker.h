// Measures a batch of files on a worker thread while the window shows the
// wait dialog. One probe program measures the whole batch (its libraries
// are loaded once, not once per file); jobs come out in the order the files
// were given, and only through takeReadyJobs(): the worker never touches
// the job list or a widget.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/job_item.h"

namespace orva {

class AddFilesWorker {
 public:
  // `probeProgramPath`: a probe that answers path after path on its input
  // (see ProbeSession).
  AddFilesWorker(std::vector<std::string> paths, std::string probeProgramPath);
  ~AddFilesWorker();  // waits for the thread; frees jobs never taken
  AddFilesWorker(const AddFilesWorker&) = delete;
  AddFilesWorker& operator=(const AddFilesWorker&) = delete;

  void start();
  // Skips the files not measured yet and ends the probe program.
  void cancel() { cancelled_ = true; }
  // Every file has been measured (or skipped) and the probe program has
  // ended.
  bool finished() const { return finished_.load(); }
  // The path of the file being measured (the wait dialog's line).
  std::string currentFileText() const;
  // Jobs measured since the last call, in the order of the paths; files that
  // could not be measured are left out.
  std::vector<JobItem*> takeReadyJobs();

 private:
  void measureAll();
  bool keepWaiting(std::chrono::steady_clock::time_point started) const;

  const std::vector<std::string> paths_;
  const std::string probeProgramPath_;
  std::thread thread_;
  std::atomic<bool> finished_{false};
  std::atomic<bool> cancelled_{false};

  mutable std::mutex mutex_;
  std::size_t current_ = 0;
  std::vector<JobItem*> ready_;
};

// How long one file may take to measure: a named pipe or a stalled network
// folder would keep the probe waiting for ever.
inline constexpr int kMeasureTimeLimitMilliseconds = 30000;

}  // namespace orva
