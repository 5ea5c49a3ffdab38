// The encoder program's inputs from outside: the probe's stream report of
// the source (its streams, chapters and tags), and the command line it is started with, turned into the
// ffmpeg command. The bytes up to the first empty line are the report, the
// lines after it the arguments. The ffmpeg command must read back as exactly
// the arguments it was made of, whatever quotes and backslashes they hold.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/command_line.h"

#include "fuzz/fuzz_input.h"
#include "tools/encoder/encode_plan.h"
#include "tools/encoder/encode_request.h"
#include "tools/encoder/ffmpeg_command.h"
#include "tools/encoder/source_contents.h"
#include "tools/encoder/source_facts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orva::encoder;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t split = text.find("\n\n");
  const std::string report = split == std::string::npos ? text : text.substr(0, split);
  const SourceFacts source = ParseSourceReport(report);
  if (split == std::string::npos) return 0;

  const std::string rest = text.substr(split + 2);
  EncodeRequest request;
  std::string error;
  const auto arguments = orva::fuzz::SplitAtNewlines(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());
  if (ParseEncodeRequest(arguments, request, error) != kParseOk) return 0;
  EncodePlan plan;
  // The same report read whole: what beyond the picture and sound is kept.
  if (PlanEncode(request, source, ReadSourceContents(report), "/tmp/side", plan, error) != kPlanOk) return 0;
  const std::string line = FfmpegCommandLine(plan, request.output);
  if (line.find('\0') != std::string::npos) return 0;  // no path holds a NUL

  std::vector<std::string> expected = {kFfmpegProgram, "-hide_banner", "-stats"};
  expected.insert(expected.end(), plan.inputArguments.begin(), plan.inputArguments.end());
  expected.insert(expected.end(), plan.outputArguments.begin(), plan.outputArguments.end());
  expected.insert(expected.end(), {"-y", request.output});
  if (orva::SplitCommandLine(line.c_str()) != expected) std::abort();
  return 0;
}
