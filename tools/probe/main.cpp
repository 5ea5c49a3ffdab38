// orva-probe: measures many files in one run, so that a batch pays for
// loading the media libraries once instead of once per file. Reads paths,
// each ended by a NUL byte, from its input; answers each with the file's
// report (see probe_report.h) ended by a NUL byte, and ends at the end of
// its input.
extern "C" {
#include <libavutil/log.h>
}

#include <cstdio>
#include <cstdlib>

#include "tools/probe/probe_report.h"

int main() {
  // No setlocale(): lengths are written in the "C" number format the
  // converter reads. The library's own messages would mix into the reports.
  av_log_set_level(AV_LOG_QUIET);
  char* path = nullptr;
  std::size_t capacity = 0;
  while (getdelim(&path, &capacity, '\0', stdin) > 0) {
    const std::string report = orva::probe::ProbeReport(path);
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fputc('\0', stdout);
    if (std::fflush(stdout) != 0) break;  // the converter is gone
  }
  std::free(path);
  return 0;
}
