// A probe program kept running through a batch: it is handed one path after
// another on its input and answers each with the file's report, ended by a
// NUL byte. The libraries it loads are loaded once for the whole batch
// instead of once per file.
#pragma once

#include <string>

#include "engine/media_probe.h"
#include "engine/process.h"

namespace orva {

class ProbeSession {
 public:
  explicit ProbeSession(std::string programPath);
  ~ProbeSession();
  ProbeSession(const ProbeSession&) = delete;
  ProbeSession& operator=(const ProbeSession&) = delete;

  // Measures `path` into a new job (not in any list), or nullptr; `result`
  // as ProbeAndAddFile's. The program starts with the first file. When it
  // ends during a file (a crash on a broken file), that file cannot be
  // measured and the next one gets a new program; when `keepWaiting` says
  // no, the program is ended at once, since a file that hangs it (a named
  // pipe, a stalled network folder) would hang every file after it.
  JobItem* measure(const char* path, int& result, const KeepWaiting& keepWaiting = {});

  // Tells the program no file follows and lets it end; a later measure
  // starts a new one.
  void close();

 private:
  bool running() const { return child_.process != kNoHandle; }
  bool start();
  // Closes the program's input, gives it `graceMilliseconds` to end, then
  // ends it.
  void stop(int graceMilliseconds);
  int readReport(std::string& report, const KeepWaiting& keepWaiting);

  std::string programPath_;
  LaunchedChild child_;
  ExitStatus status_;
  std::string unread_;  // output already read that belongs to the next report
};

}  // namespace orva
