// The files of a batch measured in list order on a thread of its own, from
// the moment the batch begins: the converter takes each file's outcome when
// it needs it instead of waiting for the probe between encoder events.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/job_item.h"

namespace orva {

// One file measured: a job, or the reason it is none. `existingOutput`
// names the output that made the file be left unmeasured.
struct MeasuredFile {
  std::unique_ptr<JobItem> job;
  const char* reason = nullptr;
  std::string existingOutput;
};

class MeasuringAhead {
 public:
  using MeasureOne = std::function<MeasuredFile(const std::string& path)>;

  // Runs `measureOne` on each of `paths` in turn on the thread, then
  // `whenDone` there. The thread ignores Ctrl+C: the converter's own waits
  // are the ones it must cut short.
  MeasuringAhead(std::vector<std::string> paths, MeasureOne measureOne, std::function<void()> whenDone);
  // Stops measuring after the file being measured (see stopping()).
  ~MeasuringAhead();
  MeasuringAhead(const MeasuringAhead&) = delete;
  MeasuringAhead& operator=(const MeasuringAhead&) = delete;

  // Moves the outcome of file `index` into `file` once it is measured,
  // waiting for it at most `waitMilliseconds`. False when it is not measured
  // yet, or never will be (measuring stopped before it).
  bool take(std::size_t index, MeasuredFile& file, int waitMilliseconds);
  // Measures no further file; the file being measured should give up too.
  void stop();
  // For `measureOne`: stop() was called.
  bool stopping() const { return stopping_; }

 private:
  void run(const MeasureOne& measureOne, const std::function<void()>& whenDone);

  std::vector<std::string> paths_;
  std::vector<MeasuredFile> measured_;
  std::size_t measuredCount_ = 0;  // guarded by mutex_
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  std::thread thread_;
};

}  // namespace orva
