#include "engine/job_queue.h"

namespace orva {

JobItem* JobQueue::take() {
  if (closed_) return nullptr;
  JobItem* job = jobs_.at(next_);
  if (job != nullptr) ++next_;
  return job;
}

void JobQueue::restart() {
  next_ = 0;
  closed_ = false;
}

}  // namespace orva
