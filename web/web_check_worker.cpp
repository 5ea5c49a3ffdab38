#include "web/web_check_worker.h"

#include <system_error>
#include <utility>

namespace orva {

WebCheckWorker::~WebCheckWorker() {
  Cancel();
  Join();
}

int WebCheckWorker::Start(WebCheckInput input) {
  if (shared_) return 1;
  auto shared = std::make_shared<Shared>();
  try {
    // The thread owns a copy of the input and shares only `shared` with this
    // object, so it may outlive the object after a cancel.
    thread_ = std::thread([shared, input = std::move(input)] {
      RunWebCheck(input, shared->cancel);
      shared->finished.store(true);
    });
  } catch (const std::system_error&) {
    return 1;
  }
  shared_ = std::move(shared);
  return 0;
}

bool WebCheckWorker::Finished() const { return !shared_ || shared_->finished.load(); }

void WebCheckWorker::Cancel() {
  if (shared_) shared_->cancel.store(true);
}

void WebCheckWorker::Join() {
  if (!thread_.joinable()) return;
  if (shared_->cancel.load() && !shared_->finished.load()) {
    thread_.detach();
  } else {
    thread_.join();
  }
}

}  // namespace orva
