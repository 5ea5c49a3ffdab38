// The web check on a thread of its own, so that the window never waits for
// the network. The window polls Finished() with its 100 ms timer and reads
// the version file once it is true.
#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "web/web_check.h"

namespace orva {

class WebCheckWorker {
 public:
  WebCheckWorker() = default;
  // Cancels a check still running and returns at once.
  ~WebCheckWorker();
  WebCheckWorker(const WebCheckWorker&) = delete;
  WebCheckWorker& operator=(const WebCheckWorker&) = delete;

  // Starts the check; 0 when the thread runs, 1 when it could not be started
  // or a check was already started.
  int Start(WebCheckInput input);

  // True once the check has ended (or was never started).
  bool Finished() const;

  // Aborts a running request promptly and skips the rest of the check.
  void Cancel();

  // Waits for the check to end. After Cancel it returns at once: a thread
  // still inside libcurl is left to end by itself (within about a second)
  // and touches nothing but its own state and the data files.
  void Join();

 private:
  struct Shared {
    std::atomic<bool> finished{false};
    std::atomic<bool> cancel{false};
  };
  std::shared_ptr<Shared> shared_;
  std::thread thread_;
};

}  // namespace orva
