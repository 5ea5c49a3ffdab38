// Wakes the window as soon as a running encoder writes or ends, so that a
// lane reads its progress and starts its next job without waiting for the
// next tick of the encoder timer. The timer stays as the pace the rest of
// the conversion keeps.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <functional>
#include <map>
#include <vector>

#include "engine/process.h"

namespace orva {

class EncoderWatch : public QObject {
 public:
  // `step` reads what the encoders wrote and moves the lanes on.
  EncoderWatch(QObject* parent, std::function<void()> step);

  // Watches exactly these output pipes; kNoHandle entries (idle lanes) are
  // skipped. Called after every step, since a step may end an encoder and
  // launch the next one.
  void follow(const std::vector<OsHandle>& outputs);

 private:
  void watch(OsHandle output);
  void forget(OsHandle output);

  std::function<void()> step_;
  std::map<OsHandle, QPointer<QSocketNotifier>> notifiers_;
};

}  // namespace orva
