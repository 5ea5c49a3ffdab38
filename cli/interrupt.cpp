#include "cli/interrupt.h"

#include <csignal>

namespace orva {

namespace {

volatile std::sig_atomic_t interrupts = 0;

extern "C" void CountInterrupt(int) { interrupts = interrupts + 1; }

}  // namespace

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = CountInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a question waiting for an answer gives up
  sigaction(SIGINT, &action, nullptr);
}

int InterruptCount() { return interrupts; }

}  // namespace orva
