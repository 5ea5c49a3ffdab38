#include "cli/paced_run.h"

#include <algorithm>
#include <chrono>

#include "cli/interrupt.h"

namespace orva {

namespace {

bool LastListedJobRuns(const ConversionDriver& driver) {
  const JobItem* running = driver.state().currentJob;
  return running == nullptr || running->next == nullptr;
}

}  // namespace

int MillisecondsUntil(Clock::time_point when) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(when - Clock::now()).count();
  return static_cast<int>(std::max<long long>(left, 0));
}

bool RunPaced(ConversionDriver& driver, TerminalView& view, const BackgroundStep& background) {
  PeriodicTimer encoderPoll{std::chrono::milliseconds(kEncoderPollMs), {}};
  PeriodicTimer progressTick{std::chrono::milliseconds(kProgressTickMs), {}};
  int generation = -1;
  bool backgroundLeft = static_cast<bool>(background);
  while (driver.converting() && view.timersRunning()) {
    // The encoder is always asked to finish its file, also when we leave.
    if (InterruptCount() >= 1 && !driver.stopRequested()) driver.stop();
    if (InterruptCount() >= 2) return false;
    if (view.timerGeneration() != generation) {  // a job (re)started the timers
      generation = view.timerGeneration();
      encoderPoll.restart(Clock::now());
      progressTick.restart(Clock::now());
    }
    // The end of the last job listed would end the run: the background work
    // (measuring the files left) must come first then.
    if (backgroundLeft && LastListedJobRuns(driver)) {
      backgroundLeft = background();
      continue;
    }
    // Output from the encoder, or its end, is handled at once; background
    // work takes the place of the wait.
    const int wait = MillisecondsUntil(std::min(encoderPoll.next, progressTick.next));
    bool encoderSpoke = false;
    if (backgroundLeft) {
      backgroundLeft = background();
    } else {
      encoderSpoke = PlatformWaitReadable(driver.encoderRunner().outputRead, wait);
    }
    const Clock::time_point now = Clock::now();
    if (encoderSpoke || encoderPoll.due(now)) {
      driver.onEncoderTimer();
      if (encoderSpoke) encoderPoll.restart(now);
    }
    if (view.timerGeneration() == generation && view.timersRunning() && progressTick.due(now)) {
      driver.onProgressTimer();
      view.showProgress();
    }
  }
  return true;
}

}  // namespace orva
