// The jobs of a batch not handed to a lane yet, in list order. The list may
// grow while the batch runs (orva-convert adds each file once measured).
#pragma once

#include "app/job_item.h"

namespace orva {

class JobQueue {
 public:
  explicit JobQueue(const JobList& jobs) : jobs_(jobs) {}

  // The next job, or nullptr when the list has none yet or the queue is closed.
  JobItem* take();
  // No job is handed out any more (Stop, Ctrl+C, a refused folder).
  void close() { closed_ = true; }
  bool closed() const { return closed_; }
  // A new run: the list is handed out again from its first job.
  void restart();

 private:
  const JobList& jobs_;
  int next_ = 0;
  bool closed_ = false;
};

}  // namespace orva
