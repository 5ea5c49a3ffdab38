// Running the probe program from the encoder program.
#include <filesystem>

#include "engine/command_line.h"
#include "engine/process.h"
#include "engine/child_output.h"
#include "tools/encoder/source_contents.h"
#include "tools/encoder/source_facts.h"

namespace orva::encoder {

namespace {

// The converter's own probe lies beside us; a bare build runs Debian's.
std::string ProbeProgram() {
  const std::string beside = PlatformExecutableFolder() + kPathSeparator + "pb.dat";
  return std::filesystem::exists(beside) ? beside : "ffprobe";
}

// "" when the probe cannot read the file.
std::string ProbeReport(const std::string& path, const char* sections) {
  std::string report;
  const std::string commandLine = QuoteArgument(ProbeProgram()) + " -v error " + sections + " " + QuoteArgument(path);
  return RunToEnd(commandLine, report) ? report : "";
}

}  // namespace

constexpr char kWholeReport[] = "-show_streams -show_chapters -show_format";

SourceFacts ProbeSource(const std::string& path, SourceContents& contents) {
  const std::string report = ProbeReport(path, kWholeReport);
  contents = ReadSourceContents(report);
  return ParseSourceReport(report);
}

SourceContents ProbeSourceContents(const std::string& path) { return ReadSourceContents(ProbeReport(path, kWholeReport)); }

}  // namespace orva::encoder
