#include <X11/Xlib.h>

#include "tools/player/host_window_check.h"

namespace orva::player {

namespace {

bool failed = false;

int NoteFailure(Display*, XErrorEvent*) {
  failed = true;
  return 0;
}

}  // namespace

bool HostWindowExists(std::int64_t windowId) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  failed = false;
  const auto previous = XSetErrorHandler(NoteFailure);
  XWindowAttributes attributes;
  const bool found = XGetWindowAttributes(display, static_cast<Window>(windowId), &attributes) != 0;
  XSync(display, False);
  XSetErrorHandler(previous);
  XCloseDisplay(display);
  return found && !failed;
}

bool DisplayReachable() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

}  // namespace orva::player
