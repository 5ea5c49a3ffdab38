#include "cli/paced_run.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "cli/interrupt.h"

namespace orva {

namespace {

using Clock = std::chrono::steady_clock;

// A periodic deadline that never piles up missed periods.
struct Timer {
  std::chrono::milliseconds period;
  Clock::time_point next;

  void restart(Clock::time_point now) { next = now + period; }
  bool due(Clock::time_point now) {
    if (now < next) return false;
    next = std::max(next + period, now);
    return true;
  }
};

}  // namespace

bool RunPaced(ConversionDriver& driver, TerminalView& view) {
  Timer encoderPoll{std::chrono::milliseconds(kEncoderPollMs), {}};
  Timer progressTick{std::chrono::milliseconds(kProgressTickMs), {}};
  int generation = -1;
  while (driver.converting() && view.timersRunning()) {
    if (InterruptCount() >= 2) return false;
    if (InterruptCount() == 1 && !driver.stopRequested()) driver.stop();
    if (view.timerGeneration() != generation) {  // a job (re)started the timers
      generation = view.timerGeneration();
      encoderPoll.restart(Clock::now());
      progressTick.restart(Clock::now());
    }
    std::this_thread::sleep_until(std::min(encoderPoll.next, progressTick.next));
    const Clock::time_point now = Clock::now();
    if (encoderPoll.due(now)) driver.onEncoderTimer();
    if (view.timerGeneration() == generation && view.timersRunning() && progressTick.due(now)) {
      driver.onProgressTimer();
      view.showProgress();
    }
  }
  return true;
}

}  // namespace orva
