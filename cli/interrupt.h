// Ctrl+C for a running conversion: the first one stops the run like the
// Stop button, a second one leaves without waiting for the encoder.
#pragma once

namespace orva {

// Counts SIGINT instead of dying of it. Blocking calls are interrupted.
void InstallInterruptHandler();

int InterruptCount();

}  // namespace orva
