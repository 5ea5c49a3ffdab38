// A fake encoder that reports the whole range, `last` seconds, and then ends
// badly: killed by a signal when `exit` is "abort", else with that status
// after a message that says why. Script: "last exit".
#include <cstdlib>
#include <string>

#include "fake_args.h"

int main(int argc, char** argv) {
  const auto script = fake::Script();
  const double last = fake::Number(script, 0, 10);
  for (double t = 1; t <= last; ++t) fake::Report(t);
  fake::WriteOutput(argc, argv);
  if (script.size() > 1 && script[1] == "abort") std::abort();
  std::puts("fake: the disk is full");
  return static_cast<int>(fake::Number(script, 1, 1));
}
