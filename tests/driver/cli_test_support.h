// Running orva-convert as a user would: from a program folder of its own,
// with a probe and an encoder beside it, catching its output and status.
#pragma once

#include "media_clip.h"

#include <signal.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "driver_test_support.h"

namespace orva::test {

struct CliResult {
  int status = -1;  // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

// A program folder holding a copy of orva-convert, the probe as pb.dat and
// the given encoder as cv.dat.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& encoder);
  const std::string& path() const { return scratch_.path(); }
  std::string file(const std::string& name) const { return scratch_.file(name); }

  // Runs orva-convert with the arguments and no terminal. With an
  // `interruptAfter`, its process group gets `signalNumber` then (SIGINT:
  // as from a terminal's Ctrl+C).
  CliResult run(const std::vector<std::string>& arguments,
                std::chrono::milliseconds interruptAfter = std::chrono::milliseconds(0),
                int signalNumber = SIGINT) const;
  // The same, interrupted as soon as `ready` says so (asked every 10 ms).
  CliResult runInterruptedWhen(const std::vector<std::string>& arguments, const std::function<bool()>& ready,
                               int signalNumber = SIGINT) const;

 private:
  ScratchFolder scratch_;
};

}  // namespace orva::test
