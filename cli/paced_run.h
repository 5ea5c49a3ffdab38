// Plays the main window's two timers for the driver in real time.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>

#include "cli/terminal_view.h"
#include "engine/conversion_driver.h"

namespace orva {

inline constexpr int kEncoderPollMs = 50;
inline constexpr int kProgressTickMs = 100;

using Clock = std::chrono::steady_clock;

// A periodic deadline that never piles up missed periods.
struct PeriodicTimer {
  std::chrono::milliseconds period;
  Clock::time_point next;

  void restart(Clock::time_point now) { next = now + period; }
  bool due(Clock::time_point now) {
    if (now < next) return false;
    next = std::max(next + period, now);
    return true;
  }
};

// Milliseconds from now until `when`; 0 when it has passed.
int MillisecondsUntil(Clock::time_point when);

// Work done before every encoder poll for as long as there is some; returns
// false when there is none left.
using BackgroundStep = std::function<bool()>;

// Runs until the driver's run has ended. `background` is done in the time
// between the timers, and before everything else while the last job listed
// runs, so that no job's end is handled while there may be more to list. The
// end of the encoder is seen as soon as its output closes, not only at the
// next poll. The first Ctrl+C stops the run like the Stop button; a second one
// (or being told to end) returns false at once, leaving the encoder to
// finish its shortened file on its own.
bool RunPaced(ConversionDriver& driver, TerminalView& view, const BackgroundStep& background = {});

}  // namespace orva
