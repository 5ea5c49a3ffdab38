// Running orva-convert as a user would: from a program folder of its own,
// with a probe and an encoder beside it, catching its output and status.
#pragma once

#include "media_clip.h"

#include <signal.h>

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

// A program folder holding a copy of orva-convert, the batch probe and
// the given encoder as cv.dat.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& encoder);
  const std::string& path() const { return scratch_.path(); }
  std::string file(const std::string& name) const { return scratch_.file(name); }

  // Runs orva-convert with the arguments and no terminal. With
  // `interruptWhen`, asked every 10 ms while it runs, its process group gets
  // `signalNumber` (SIGINT: as from a terminal's Ctrl+C) as soon as that
  // holds, or after a minute, so a program that never gets there cannot
  // hang the test. A state, never a delay: slow machines and sanitizer
  // builds start and measure much later.
  CliResult run(const std::vector<std::string>& arguments,
                const std::function<bool()>& interruptWhen = {}, int signalNumber = SIGINT) const;
  // The same with standard input read from the file at `inputPath`.
  CliResult runWithInput(const std::string& inputPath, const std::vector<std::string>& arguments) const;

 private:
  CliResult start(const std::string& inputPath, const std::vector<std::string>& arguments,
                  const std::function<bool()>& interruptWhen, int signalNumber) const;

  ScratchFolder scratch_;
};

}  // namespace orva::test
