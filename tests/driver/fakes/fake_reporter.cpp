// A fake encoder that reports "time=" from `step` up to `last` seconds, one
// report every `pace` milliseconds, and quits as soon as it reads "q\n".
// With `hold` set it waits after its last report until it is told to quit;
// with `warn` set it prints a warning right after every report; with
// `finish` set it says it is finishing its file after the last report.
// Script: "last step pace hold warn finish", one for each source if need be.
#include <poll.h>
#include <unistd.h>

#include <cstring>

#include "fake_args.h"

namespace {

enum class Input { Nothing, Quit, Closed };

// Waits at most `milliseconds` for the quit command on standard input.
Input WaitForQuit(int milliseconds) {
  pollfd entry{STDIN_FILENO, POLLIN, 0};
  if (poll(&entry, 1, milliseconds) <= 0) return Input::Nothing;
  char text[64];
  const ssize_t got = read(STDIN_FILENO, text, sizeof text - 1);
  if (got <= 0) return Input::Closed;
  text[got] = '\0';
  return std::strstr(text, "q\n") != nullptr ? Input::Quit : Input::Nothing;
}

}  // namespace

int main(int argc, char** argv) {
  const auto script = fake::ScriptForSource(argc, argv);
  const double last = fake::Number(script, 0, 10);
  const double step = fake::Number(script, 1, 1);
  const int pace = static_cast<int>(fake::Number(script, 2, 10));
  const bool hold = fake::Number(script, 3, 0) != 0;
  const bool warn = fake::Number(script, 4, 0) != 0;
  const bool finish = fake::Number(script, 5, 0) != 0;

  std::puts("Input #0, fake, from 'source':");
  bool stdinOpen = true;
  bool quit = false;
  for (double t = step; t <= last + 1e-9; t += step) {
    fake::Report(t);
    if (warn) {
      std::puts("[mpeg2video @ 0x1] warning, clipping 1 dct coefficients to -255..255");
      std::fflush(stdout);
    }
    const Input input = stdinOpen ? WaitForQuit(pace) : Input::Nothing;
    if (input == Input::Quit) {
      quit = true;
      break;
    }
    if (input == Input::Closed) stdinOpen = false;  // end of input is no quit
    if (!stdinOpen) usleep(static_cast<useconds_t>(pace) * 1000);
  }
  if (finish && !quit) {
    std::puts("finishing: moving the index to the front of the file");
    fake::Report(last);
  }
  while (hold && stdinOpen && !quit) {
    const Input input = WaitForQuit(-1);
    if (input == Input::Quit) break;
    if (input == Input::Closed) return 3;  // nobody is left to stop it
  }
  fake::WriteOutput(argc, argv);
  return 0;
}
