// Runs the window's commands one at a time. Several commands wait for a
// child program while pumping the window's events (stopping the preview
// player, a seek, the step after an add); a click handled inside such a wait
// would run its command in the middle of the first one, on a state that one
// is still changing. A command that arrives while another runs is queued
// instead, and runs once the running one has returned, so it checks the
// state that command left.
#pragma once

#include <deque>
#include <functional>

namespace orva {

class CommandQueue {
 public:
  // Runs `command` now, or after the command that is running.
  void Run(std::function<void()> command);
  bool busy() const { return running_; }

 private:
  bool running_ = false;
  std::deque<std::function<void()>> waiting_;
};

}  // namespace orva
