#include "engine/child_output.h"

#include <algorithm>

#include "engine/process.h"

namespace orva {

namespace {

constexpr int kWaitMilliseconds = 10;

void Drain(OsHandle pipe, std::string& output) {
  std::size_t available = 0;
  while (PlatformBytesAvailable(pipe, available) == PipeState::Open && available > 0) {
    char buffer[4096];
    const long got = PlatformRead(pipe, buffer, std::min(available, sizeof buffer));
    if (got <= 0) return;
    output.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

bool RunToEnd(const std::string& commandLine, std::string& output) {
  LaunchedChild child;
  if (!PlatformLaunch(commandLine.c_str(), child)) return false;
  PlatformClose(child.inputWrite);
  ExitStatus status;
  while (!PlatformWaitExit(child.process, kWaitMilliseconds, status)) Drain(child.outputRead, output);
  Drain(child.outputRead, output);
  PlatformClose(child.outputRead);
  return status.success();
}

}  // namespace orva
