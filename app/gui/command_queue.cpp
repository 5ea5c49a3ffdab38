#include "app/gui/command_queue.h"

#include <utility>

namespace orva {

void CommandQueue::Run(std::function<void()> command) {
  if (running_) {
    waiting_.push_back(std::move(command));
    return;
  }
  running_ = true;
  command();
  // Commands queued meanwhile run in their order; what they queue in turn
  // runs after them.
  while (!waiting_.empty()) {
    const std::function<void()> next = std::move(waiting_.front());
    waiting_.pop_front();
    next();
  }
  running_ = false;
}

}  // namespace orva
