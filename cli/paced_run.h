// Plays the main window's two timers for the driver in real time.
#pragma once

#include "cli/terminal_view.h"
#include "engine/conversion_driver.h"

namespace orva {

inline constexpr int kEncoderPollMs = 50;
inline constexpr int kProgressTickMs = 100;

// Runs until the driver's run has ended. The first Ctrl+C stops the run
// like the Stop button; a second one returns false at once, leaving the
// encoder to finish its file on its own.
bool RunPaced(ConversionDriver& driver, TerminalView& view);

}  // namespace orva
