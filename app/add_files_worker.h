// Measures a batch of files on worker threads while the window shows the
// wait dialog. Several files are probed at once, but jobs come out in the
// order the files were given, and only through takeReadyJobs(): the worker
// never touches the job list or a widget.
#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/job_item.h"

namespace orva {

class AddFilesWorker {
 public:
  AddFilesWorker(std::vector<std::string> paths, std::string probeProgramPath, int parallelism);
  ~AddFilesWorker();  // waits for the threads; frees jobs never taken
  AddFilesWorker(const AddFilesWorker&) = delete;
  AddFilesWorker& operator=(const AddFilesWorker&) = delete;

  void start();
  // Skips the files not measured yet and ends a probe still running.
  void cancel() { cancelled_ = true; }
  // Every file has been measured and the threads have ended.
  bool finished() const { return finished_.load(); }
  // The path of the first file still being measured (the wait dialog's line).
  std::string currentFileText() const;
  // Jobs measured since the last call, in the order of the paths; files that
  // could not be measured are left out.
  std::vector<JobItem*> takeReadyJobs();

 private:
  void measureLoop();
  void storeResult(std::size_t index, JobItem* job);

  const std::vector<std::string> paths_;
  const std::string probeProgramPath_;
  const int parallelism_;
  std::vector<std::thread> threads_;
  std::atomic<std::size_t> nextIndex_{0};
  std::atomic<int> runningThreads_{0};
  std::atomic<bool> finished_{false};
  std::atomic<bool> cancelled_{false};

  mutable std::mutex mutex_;
  std::vector<JobItem*> results_;
  std::vector<bool> measured_;
  std::size_t firstUnmeasured_ = 0;  // everything before it is in ready_ or taken
  std::vector<JobItem*> ready_;
};

// How long one file may take to measure: a named pipe or a stalled network
// folder would keep the probe waiting for ever.
inline constexpr int kMeasureTimeLimitMilliseconds = 30000;

// How many files to measure at once: the machine's cores, at least one.
int DefaultProbeParallelism();

}  // namespace orva
