// Ctrl+C for a running conversion: the first one stops the run like the
// Stop button, a second one leaves without waiting for the encoder. Being
// told to end (SIGTERM, SIGHUP) counts as both at once: the encoder is asked
// to finish its file and orva-convert leaves.
#pragma once

namespace orva {

// Counts SIGINT, SIGTERM and SIGHUP instead of dying of them. Blocking calls
// are interrupted.
void InstallInterruptHandler();

int InterruptCount();

}  // namespace orva
