#include "cli/interrupt.h"

#include <atomic>
#include <csignal>

namespace orva {

namespace {

// Lock-free, so that the handler may count and the measuring thread read it.
std::atomic<int> interrupts{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void CountInterrupt(int) { interrupts.fetch_add(1); }
// Leaving is what a second Ctrl+C asks for.
extern "C" void CountEnd(int) { interrupts.fetch_add(2); }

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

int InterruptCount() { return interrupts.load(); }

}  // namespace orva
