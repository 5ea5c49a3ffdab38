#include "engine/probe_session.h"

#include <utility>

#include "engine/command_line.h"

namespace orva {

namespace {

// As with a probe run per file: short waits, so an interruption is seen at once.
constexpr int kReportWaitMilliseconds = 20;
// How long a program told that no file follows may take to end by itself.
constexpr int kEndWaitMilliseconds = 500;

constexpr int kReportComplete = 0;
constexpr int kProgramEnded = 1;
constexpr int kReportInterrupted = 2;

}  // namespace

ProbeSession::ProbeSession(std::string programPath) : programPath_(std::move(programPath)) {}

ProbeSession::~ProbeSession() { close(); }

bool ProbeSession::start() {
  const std::string command = QuoteArgument(programPath_);
  if (command.size() >= static_cast<std::size_t>(kCommandCapacity)) return false;
  LaunchOptions options;
  options.endWithParent = true;  // no probe outlives the converter
  status_ = ExitStatus{};
  unread_.clear();
  return PlatformLaunch(command.c_str(), child_, options);
}

void ProbeSession::close() { stop(kEndWaitMilliseconds); }

void ProbeSession::stop(int graceMilliseconds) {
  if (!running()) return;
  PlatformClose(child_.inputWrite);  // the end of its input ends the program
  if (!PlatformWaitExit(child_.process, graceMilliseconds, status_)) {
    PlatformTerminate(child_.process, status_);
    PlatformWaitExit(child_.process, kEndWaitMilliseconds, status_);
  }
  PlatformClose(child_.outputRead);
  PlatformReleaseProcess(child_.process, status_);
  child_ = LaunchedChild{};
}

int ProbeSession::readReport(std::string& report, const KeepWaiting& keepWaiting) {
  report.swap(unread_);
  unread_.clear();
  std::size_t searched = 0;  // the NUL byte is looked for only in what came since
  for (;;) {
    const std::size_t end = report.find('\0', searched);
    if (end != std::string::npos) {
      unread_.assign(report, end + 1, std::string::npos);
      report.resize(end);
      return kReportComplete;
    }
    searched = report.size();
    if (keepWaiting && !keepWaiting()) return kReportInterrupted;
    if (!PlatformWaitReadable(child_.outputRead, kReportWaitMilliseconds)) continue;
    char chunk[4096];
    const long count = PlatformRead(child_.outputRead, chunk, sizeof chunk);
    if (count <= 0) return kProgramEnded;
    report.append(chunk, static_cast<std::size_t>(count));
  }
}

JobItem* ProbeSession::measure(const char* path, int& result, const KeepWaiting& keepWaiting) {
  result = kProbeNoDuration;
  if (CheckPassablePath(path) != kPathPassable) return nullptr;
  if (!running() && !start()) {
    result = kProbeNotStarted;
    return nullptr;
  }
  const std::string request = std::string(path) + '\0';
  std::string report;
  const int read = PlatformWrite(child_.inputWrite, request.data(), request.size()) < 0
                       ? kProgramEnded
                       : readReport(report, keepWaiting);
  if (read != kReportComplete) {
    stop(0);  // ended, or stuck on this file for good
    if (read == kReportInterrupted) result = kProbeInterrupted;
    return nullptr;
  }
  ProbeRecord record{};
  ParseProbeReport(report.c_str(), record);
  if (record.duration == 0) return nullptr;
  result = kProbeAdded;
  return NewProbedJob(path, record);
}

}  // namespace orva
