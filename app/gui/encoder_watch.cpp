#include "app/gui/encoder_watch.h"

#include <algorithm>
#include <utility>

namespace orva {

EncoderWatch::EncoderWatch(QObject* parent, std::function<void()> step) : QObject(parent), step_(std::move(step)) {}

void EncoderWatch::follow(const std::vector<OsHandle>& outputs) {
  std::vector<OsHandle> gone;
  for (const auto& [output, notifier] : notifiers_) {
    if (std::find(outputs.begin(), outputs.end(), output) == outputs.end()) gone.push_back(output);
  }
  for (OsHandle output : gone) forget(output);
  for (OsHandle output : outputs) {
    if (output != kNoHandle && notifiers_.count(output) == 0) watch(output);
  }
}

void EncoderWatch::watch(OsHandle output) {
  auto* notifier = new QSocketNotifier(static_cast<qintptr>(output), QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] { step_(); });
  notifiers_[output] = notifier;
}

// The step that ended this encoder may run inside the notifier's own
// signal: the notifier goes once that returns.
void EncoderWatch::forget(OsHandle output) {
  const auto found = notifiers_.find(output);
  if (found->second != nullptr) {
    found->second->setEnabled(false);
    found->second->deleteLater();
  }
  notifiers_.erase(found);
}

}  // namespace orva
