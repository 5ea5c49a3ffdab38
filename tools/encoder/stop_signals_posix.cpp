#include <signal.h>

#include "tools/encoder/stop_signals.h"

namespace orva::encoder {

namespace {

volatile sig_atomic_t quitSignals = 0;
volatile sig_atomic_t abortSignals = 0;

void OnQuit(int) { quitSignals = 1; }
void OnAbort(int) { abortSignals = 1; }

void Install(int signalNumber, void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signalNumber, &action, nullptr);
}

}  // namespace

void WatchStopSignals() {
  Install(SIGINT, OnQuit);
  Install(SIGTERM, OnAbort);
  Install(SIGHUP, OnAbort);
  Install(SIGPIPE, SIG_IGN);  // the converter may close our output and still want the file
}

StopRequest TakeStopRequest() {
  if (abortSignals != 0) {
    abortSignals = 0;
    return StopRequest::Abort;
  }
  if (quitSignals != 0) {
    quitSignals = 0;
    return StopRequest::Quit;
  }
  return StopRequest::None;
}

}  // namespace orva::encoder
