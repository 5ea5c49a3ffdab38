#include "cli/interrupt.h"

#include <csignal>

namespace orva {

namespace {

volatile std::sig_atomic_t interrupts = 0;

extern "C" void CountInterrupt(int) { interrupts = interrupts + 1; }
// Leaving is what a second Ctrl+C asks for.
extern "C" void CountEnd(int) { interrupts = interrupts + 2; }

void Install(int signalNumber, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a question waiting for an answer gives up
  sigaction(signalNumber, &action, nullptr);
}

}  // namespace

void InstallInterruptHandler() {
  Install(SIGINT, CountInterrupt);
  Install(SIGTERM, CountEnd);
  Install(SIGHUP, CountEnd);
}

int InterruptCount() { return interrupts; }

}  // namespace orva
