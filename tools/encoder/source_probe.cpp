// Running the probe program from the encoder program.
#include <filesystem>

#include "engine/command_line.h"
#include "engine/process.h"
#include "tools/encoder/source_facts.h"

namespace orva::encoder {

namespace {

constexpr int kWaitMilliseconds = 10;

// The converter's own probe lies beside us; a bare build runs Debian's.
std::string ProbeProgram() {
  const std::string beside = PlatformExecutableFolder() + kPathSeparator + "pb.dat";
  return std::filesystem::exists(beside) ? beside : "ffprobe";
}

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

SourceFacts ProbeSource(const std::string& path) {
  const std::string commandLine =
      QuoteArgument(ProbeProgram()) + " -v error -show_streams " + QuoteArgument(path);
  LaunchedChild child;
  if (!PlatformLaunch(commandLine.c_str(), child)) return {};
  PlatformClose(child.inputWrite);
  std::string report;
  ExitStatus status;
  while (!PlatformWaitExit(child.process, kWaitMilliseconds, status)) Drain(child.outputRead, report);
  Drain(child.outputRead, report);
  PlatformClose(child.outputRead);
  return status.success() ? ParseSourceReport(report) : SourceFacts{};
}

}  // namespace orva::encoder
