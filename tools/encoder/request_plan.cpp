#include "tools/encoder/request_plan.h"

#include <filesystem>

#include "tools/encoder/ffmpeg_command.h"
#include "tools/encoder/source_contents.h"
#include "tools/encoder/source_facts.h"

namespace orva::encoder {

int PlanRequest(const std::vector<std::string>& arguments, long processId, EncodeRequest& request,
                EncodePlan& plan, std::string& error) {
  if (ParseEncodeRequest(arguments, request, error) != kParseOk) return kParseError;
  SourceFacts source;
  SourceContents contents;
  if (request.sourceFacts.empty()) {
    source = ProbeSource(request.input, contents);
  } else if (!orva::ReadSourceFactsWord(request.sourceFacts, source)) {
    error = "-source-facts: \"" + request.sourceFacts + "\" are no source facts";
    return kParseError;
  } else if (source.known && (source.more || !request.seek.empty() || !request.length.empty())) {
    // With facts handed on, the whole source is read only when it holds
    // more than a picture and a sound, or when a range must be applied to
    // what else it holds.
    contents = ProbeSourceContents(request.input);
  }
  const std::string sideStem =
      (std::filesystem::temp_directory_path() / ("orva-keep-" + std::to_string(processId))).string();
  return PlanEncode(request, source, contents, sideStem, plan, error);
}

std::string PlanText(const EncodePlan& plan, const EncodeRequest& request) {
  std::string text = FfmpegCommandLine(plan, plan.outputPath.empty() ? request.output : plan.outputPath) + "\n";
  for (const std::string& notice : plan.notices) text += notice + "\n";
  return text;
}

}  // namespace orva::encoder
